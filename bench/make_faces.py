#!/usr/bin/python3
"""Writes small TrueType faces for the install benchmark: an install links
only faces that are installed, so each of the benchmark's links needs a
face of its own that Windows offers for the Japanese character set.

    /usr/bin/python3 bench/make_faces.py FOLDER COUNT

writes FOLDER/BENCH01.TTF ... with the family names MinamoBench01 ...
Needs Debian's python3-fonttools.
"""
import os
import sys

from fontTools.fontBuilder import FontBuilder
from fontTools.pens.ttGlyphPen import TTGlyphPen


def block():
    pen = TTGlyphPen(None)
    pen.moveTo((100, 0))
    pen.lineTo((100, 800))
    pen.lineTo((900, 800))
    pen.lineTo((900, 0))
    pen.closePath()
    return pen.glyph()


def write_face(path, family):
    fb = FontBuilder(1000, isTTF=True)
    names = [".notdef", "space", "A"]
    fb.setupGlyphOrder(names)
    fb.setupCharacterMap({0x20: "space", 0x41: "A"})
    fb.setupGlyf({".notdef": TTGlyphPen(None).glyph(), "space": TTGlyphPen(None).glyph(),
                  "A": block()})
    fb.setupHorizontalMetrics({name: (1000, 0) for name in names})
    fb.setupHorizontalHeader(ascent=880, descent=-120)
    fb.setupNameTable({"familyName": family, "styleName": "Regular", "fullName": family,
                       "uniqueFontIdentifier": family, "psName": family,
                       "version": "Version 1.000"})
    # Bit 17 of the code-page range: Japanese, so GDI offers SHIFTJIS_CHARSET.
    fb.setupOS2(usWinAscent=880, usWinDescent=120, ulCodePageRange1=1 << 17,
                ulCodePageRange2=0)
    fb.setupPost()
    fb.save(path)


def main(folder, count):
    os.makedirs(folder, exist_ok=True)
    for i in range(1, count + 1):
        write_face(os.path.join(folder, "BENCH%02d.TTF" % i), "MinamoBench%02d" % i)


if __name__ == "__main__":
    main(sys.argv[1], int(sys.argv[2]))
