#!/usr/bin/python3
"""Builds a small TrueType EUDC test font with simple glyphs in the Private
Use Area, so that tests and screenshots show real EUDC characters without
taking a font from any product.

    /usr/bin/python3 scripts/make-test-font.py OUTPUT [--family NAME]
                                              [--count N] [--first HEX]
                                              [--codes HEX,...] [--changed HEX]
                                              [--empty HEX,...] [--composite HEX,...]
                                              [--second HEX,...]
                                              [--pattern [--variant N]]

OUTPUT      the file to write (for instance build/test-fonts/EUDCTEST.TTF,
            or EUDC.TTE for an EUDC font file)
--family    the family (and full) name stored in the font; default EUDCTest
--count     how many glyphs, at consecutive code points; default 4 (at most 8)
--first     the first code point; default E000 (Shift-JIS F040)
--pattern   instead of the shapes, give every code point from U+E000 to
            U+F8FF a glyph that spells out its own code: a 5 x 5 grid of
            blocks whose four corners are always set (they mark the grid's
            extent) and whose other 21 places, read row by row from the top
            left, skipping the corners, hold the code's 16 bits from the
            lowest; a test can decode from the pixels which code was drawn
--codes     instead of --count and --first: the code points, comma-separated
            hexadecimal (E000,E001,E005)
--changed   a code point whose glyph takes another shape than it would (the
            one four places on): the same font, but that character changed
--empty     code points mapped to a glyph without outline
--composite code points whose glyph is a composite of the first code point's
            glyph, raised a little: a change of that glyph changes them too
--second    code points, as --codes: OUTPUT is then a collection (.ttc) of
            two fonts, the one asked for and one with these characters

The glyphs are shapes easy to tell apart by their pixels: a solid block, a
hollow frame, a plus sign, a triangle, a diagonal bar, two bars, a small
square and a letter-like hook, for the code points whose last hexadecimal
digit is 0 or 8, 1 or 9, and so on: one code point has one shape in every
font made. The font says it covers the Japanese code page, so GDI offers it
for SHIFTJIS_CHARSET.

Needs Debian's python3-fonttools, which only the system's python
(/usr/bin/python3, the first line) finds: run it as scripts/make-test-font.py
or with /usr/bin/python3, not with a python3 of a virtual environment or
another installation earlier on PATH.
"""
import argparse
import sys

from fontTools.fontBuilder import FontBuilder
from fontTools.pens.ttGlyphPen import TTGlyphPen
from fontTools.ttLib.ttCollection import TTCollection

UNITS = 1000
ASCENT = 880
DESCENT = 120


def box(pen, x0, y0, x1, y1):
    """A clockwise (filled) rectangle."""
    pen.moveTo((x0, y0))
    pen.lineTo((x0, y1))
    pen.lineTo((x1, y1))
    pen.lineTo((x1, y0))
    pen.closePath()


def hole(pen, x0, y0, x1, y1):
    """A counter-clockwise rectangle: cut out of a filled one."""
    pen.moveTo((x0, y0))
    pen.lineTo((x1, y0))
    pen.lineTo((x1, y1))
    pen.lineTo((x0, y1))
    pen.closePath()


def solid_block(pen):
    box(pen, 100, 0, 900, 800)


def hollow_frame(pen):
    box(pen, 100, 0, 900, 800)
    hole(pen, 220, 120, 780, 680)


def plus_sign(pen):
    box(pen, 420, 0, 580, 800)
    box(pen, 100, 320, 420, 480)
    box(pen, 580, 320, 900, 480)


def triangle(pen):
    pen.moveTo((100, 0))
    pen.lineTo((500, 800))
    pen.lineTo((900, 0))
    pen.closePath()


def diagonal_bar(pen):
    pen.moveTo((100, 0))
    pen.lineTo((100, 160))
    pen.lineTo((740, 800))
    pen.lineTo((900, 800))
    pen.lineTo((900, 640))
    pen.lineTo((260, 0))
    pen.closePath()


def two_bars(pen):
    box(pen, 100, 0, 300, 800)
    box(pen, 700, 0, 900, 800)


def small_square(pen):
    box(pen, 350, 250, 650, 550)


def hook(pen):
    box(pen, 150, 650, 850, 800)
    box(pen, 700, 0, 850, 650)


SHAPES = [solid_block, hollow_frame, plus_sign, triangle, diagonal_bar, two_bars,
          small_square, hook]


PATTERN_GRID = 5
PATTERN_CORNERS = {(0, 0), (PATTERN_GRID - 1, 0), (0, PATTERN_GRID - 1),
                   (PATTERN_GRID - 1, PATTERN_GRID - 1)}


def pattern_places():
    """The grid places of the code's bits, lowest bit first."""
    return [(x, y) for y in range(PATTERN_GRID) for x in range(PATTERN_GRID)
            if (x, y) not in PATTERN_CORNERS][:16]


# The place after the code's 16 bits, which no code sets.
PATTERN_FREE_PLACE = [(x, y) for y in range(PATTERN_GRID) for x in range(PATTERN_GRID)
                      if (x, y) not in PATTERN_CORNERS][16]


def pattern_drawing(code, extra_block=False):
    """Draws the blocks of a code; grid row 0 is at the top."""
    step = 800 // PATTERN_GRID
    places = set(PATTERN_CORNERS)
    places.update(place for bit, place in enumerate(pattern_places()) if code >> bit & 1)
    if extra_block:
        places.add(PATTERN_FREE_PLACE)

    def draw(pen):
        for x, y in sorted(places):
            left, top = 100 + x * step, 800 - y * step
            box(pen, left, top - step, left + step, top)
    return draw


def empty_glyph(glyphs):
    return TTGlyphPen(None).glyph()


def shape_glyph(draw):
    def make(glyphs):
        pen = TTGlyphPen(None)
        draw(pen)
        return pen.glyph()
    return make


def composite_glyph(component):
    def make(glyphs):
        pen = TTGlyphPen(glyphs)
        pen.addComponent(component, (1, 0, 0, 1, 0, 100))
        return pen.glyph()
    return make


def glyph_name(code):
    return "uni%04X" % code


def font(family, characters):
    """characters: (code point, glyph maker) pairs; a maker takes the glyphs
    made before it, which a composite's components are among."""
    names = [".notdef", "space"] + [glyph_name(code) for code, _ in characters]
    glyphs = {".notdef": empty_glyph(None), "space": empty_glyph(None)}
    cmap = {0x20: "space"}
    for name, (code, make) in zip(names[2:], characters):
        glyphs[name] = make(glyphs)
        cmap[code] = name

    fb = FontBuilder(UNITS, isTTF=True)
    fb.setupGlyphOrder(names)
    fb.setupCharacterMap(cmap)
    fb.setupGlyf(glyphs)
    # The left side bearing must match each outline's left edge, or the
    # rasteriser shifts the glyph.
    glyf = fb.font["glyf"]
    metrics = {}
    for name in names:
        glyph = glyf[name]
        glyph.recalcBounds(glyf)
        metrics[name] = (UNITS, getattr(glyph, "xMin", 0))
    fb.setupHorizontalMetrics(metrics)
    fb.setupHorizontalHeader(ascent=ASCENT, descent=-DESCENT)
    fb.setupNameTable({
        "familyName": family,
        "styleName": "Regular",
        "uniqueFontIdentifier": family + " test font",
        "fullName": family,
        "psName": "".join(c for c in family if c.isalnum()) or "EUDCTest",
        "version": "Version 1.000",
    })
    # Bit 17 of the code-page range: Japanese, Shift-JIS (code page 932).
    fb.setupOS2(sTypoAscender=ASCENT, sTypoDescender=-DESCENT, sTypoLineGap=0,
                usWinAscent=ASCENT, usWinDescent=DESCENT,
                ulCodePageRange1=(1 << 17), ulCodePageRange2=0,
                ulUnicodeRange2=(1 << (60 - 32)))  # bit 60: Private Use Area
    fb.setupPost()
    return fb.font


def save(output, fonts):
    """One font as a font file, more as a collection."""
    if len(fonts) == 1:
        fonts[0].save(output)
        return
    collection = TTCollection()
    collection.fonts = fonts
    collection.save(output)


def code_list(text):
    return [int(code, 16) for code in text.split(",") if code]


def shaped(codes, changed=None):
    """Each code's shape is the one of its place among eight (the code
    modulo 8), so that a code looks alike in every font made; the changed
    code takes the shape four places on."""
    return [(code, shape_glyph(SHAPES[(code + (4 if code == changed else 0)) % len(SHAPES)]))
            for code in codes]


def main(argv):
    parser = argparse.ArgumentParser(description="Builds a TrueType EUDC test font.")
    parser.add_argument("output")
    parser.add_argument("--family", default="EUDCTest")
    parser.add_argument("--count", type=int, default=4)
    parser.add_argument("--first", default="E000")
    parser.add_argument("--pattern", action="store_true")
    parser.add_argument("--variant", type=int)
    parser.add_argument("--codes", type=code_list)
    parser.add_argument("--changed", type=lambda text: int(text, 16))
    parser.add_argument("--empty", type=code_list, default=[])
    parser.add_argument("--composite", type=code_list, default=[])
    parser.add_argument("--second", type=code_list)
    args = parser.parse_args(argv)
    if args.pattern:
        changed = (lambda code: False) if args.variant is None else \
            (lambda code: (code - 0xE000) % 64 == args.variant % 64)
        characters = [(code, shape_glyph(pattern_drawing(code, changed(code))))
                      for code in range(0xE000, 0xF900)]
    else:
        if not 1 <= args.count <= len(SHAPES):
            parser.error("--count must be 1 to %d" % len(SHAPES))
        first = int(args.first, 16)
        codes = args.codes or [first + i for i in range(args.count)]
        characters = shaped(codes, args.changed)
        characters += [(code, empty_glyph) for code in args.empty]
        characters += [(code, composite_glyph(glyph_name(codes[0]))) for code in args.composite]
    fonts = [font(args.family, characters)]
    if args.second:
        fonts.append(font(args.family + "Second", shaped(args.second)))
    save(args.output, fonts)


if __name__ == "__main__":
    main(sys.argv[1:])
