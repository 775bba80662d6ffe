#!/usr/bin/python3
"""Makes the fonts the shape index is tested with, from Debian's fonts:

  reference.ttf  IPAmj Mincho cut down to the characters below (variation
                 sequences included), a reference font that builds at once
  eudc.ttf       an EUDC font whose characters at U+E000.. are IPA Mincho's
                 drawings of those characters (eudc.txt: code, character)
  small.ttf      the same drawings shrunk to 90 % and moved by 5 % of the em
  gothic.ttf     IPA Gothic cut down to those characters but 髙, and one more
                 (亜) the reference lacks: a font of the PC's, of another design
  eudc-gothic.ttf  an EUDC font of IPA Gothic's drawings of the characters
  outlines.txt   for some IPA Mincho glyphs: glyph id, area, centre and the
                 mean of both axes' variances by fontTools' StatisticsPen,
                 for the rasterizer to agree with

    /usr/bin/python3 tests/native/shape_fonts.py OUTPUT_FOLDER

and for the benchmark, an EUDC font of COUNT ideographs of SOURCE at
U+E000.. (from the FIRST-th on), with its list beside it (FONT.txt):

    /usr/bin/python3 tests/native/shape_fonts.py --eudc FONT SOURCE COUNT [FIRST]
"""
import os
import sys

from fontTools import subset
from fontTools.fontBuilder import FontBuilder
from fontTools.pens.statisticsPen import StatisticsPen
from fontTools.pens.transformPen import TransformPen
from fontTools.pens.ttGlyphPen import TTGlyphPen
from fontTools.ttLib import TTFont

IPAMJ = "/usr/share/fonts/truetype/ipamj/ipamjm.ttf"
IPAM = "/usr/share/fonts/opentype/ipafont-mincho/ipam.ttf"
# Characters alike in shape (土士, 末未, 己已巳, 日曰, 人入八) and some whose
# variation sequences IPAmj draws (辻, 葛, 高, 髙, 邊).
CHARACTERS = "土士末未己已巳日曰人入八大犬太天夫辻葛高髙邊辺渡鷗鴎森林木本体休字外東京都"
# Compatibility ideographs that normalization turns into 祈 and 隆, whose
# glyphs the sequences 祈 U+FE00 and 隆 U+E0106 draw as well: in the
# reference only.
COMPATIBILITY = [0x7948, 0xFA4E, 0x9686, 0xF9DC]


IPAG = "/usr/share/fonts/opentype/ipafont-gothic/ipag.ttf"


def cut(source, folder, name, unicodes, glyph_names):
    options = subset.Options()
    options.layout_features = []
    options.notdef_outline = True
    options.name_IDs = ["*"]
    options.glyph_names = glyph_names
    font = subset.load_font(source, options)
    cutter = subset.Subsetter(options)
    cutter.populate(unicodes=unicodes)
    cutter.subset(font)
    font.save(os.path.join(folder, name))


def reference(folder):
    options = subset.Options()
    options.layout_features = []
    options.notdef_outline = True
    options.name_IDs = ["*"]
    options.glyph_names = True  # the MJ names the map writes
    font = subset.load_font(IPAMJ, options)
    cutter = subset.Subsetter(options)
    cutter.populate(unicodes=[ord(c) for c in CHARACTERS] + COMPATIBILITY)
    cutter.subset(font)
    font.save(os.path.join(folder, "reference.ttf"))


def save_eudc_font(path, em, order, outlines, mapping):
    """A TrueType font of the glyphs in order, each a full em wide."""
    builder = FontBuilder(em, isTTF=True)
    builder.setupGlyphOrder(order)
    builder.setupCharacterMap(mapping)
    builder.setupGlyf(outlines)
    builder.setupHorizontalMetrics({name: (em, 0) for name in order})
    builder.setupHorizontalHeader(ascent=em, descent=0)
    builder.setupNameTable({"familyName": "EUDC", "styleName": "Regular"})
    builder.setupOS2()
    builder.setupPost()
    builder.save(path)


def eudc(folder, name, scale, move, source_path=IPAM, characters=CHARACTERS, listing="eudc.txt"):
    source = TTFont(source_path)
    cmap, glyphs = source.getBestCmap(), source.getGlyphSet()
    em = source["head"].unitsPerEm
    order, outlines, mapping = [".notdef"], {".notdef": TTGlyphPen(None).glyph()}, {}
    lines = []
    for i, character in enumerate(characters):
        code, glyph = 0xE000 + i, "c%04X" % (0xE000 + i)
        pen = TTGlyphPen(None)
        glyphs[cmap[ord(character)]].draw(TransformPen(pen, (scale, 0, 0, scale, move * em, -move * em)))
        order.append(glyph)
        outlines[glyph], mapping[code] = pen.glyph(), glyph
        lines.append("%04X U+%04X\n" % (code, ord(character)))
    save_eudc_font(os.path.join(folder, name), em, order, outlines, mapping)
    if listing:
        with open(os.path.join(folder, listing), "w") as out:
            out.writelines(lines)


def outlines(folder):
    font = TTFont(IPAM)
    cmap, glyphs = font.getBestCmap(), font.getGlyphSet()
    with open(os.path.join(folder, "outlines.txt"), "w") as out:
        for character in "永鬱国一口回東":
            name = cmap[ord(character)]
            pen = StatisticsPen(glyphset=glyphs)
            glyphs[name].draw(pen)
            spread = (pen.varianceX + pen.varianceY) / 2
            out.write("%d %f %f %f %f\n" % (font.getGlyphID(name), pen.area, pen.meanX, pen.meanY, spread))


def main(folder):
    os.makedirs(folder, exist_ok=True)
    reference(folder)
    eudc(folder, "eudc.ttf", 1, 0)
    eudc(folder, "small.ttf", 0.9, 0.05, listing=None)
    cut(IPAG, folder, "gothic.ttf", [ord(c) for c in CHARACTERS.replace("髙", "") + "亜"], False)
    eudc(folder, "eudc-gothic.ttf", 1, 0, IPAG, listing=None)
    outlines(folder)


def bench_font(path, source, count, first=0):
    cmap = TTFont(source).getBestCmap()
    ideographs = [chr(c) for c in sorted(cmap) if 0x4E00 <= c <= 0x9FFF][first:first + count]
    folder, name = os.path.split(os.path.abspath(path))
    eudc(folder, name, 1, 0, source, ideographs, name + ".txt")


if __name__ == "__main__":
    if sys.argv[1] == "--eudc":
        bench_font(sys.argv[2], sys.argv[3], int(sys.argv[4]), int(sys.argv[5]) if len(sys.argv) > 5 else 0)
    else:
        main(sys.argv[1])
