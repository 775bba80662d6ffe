#!/usr/bin/python3
"""Writes small TrueType faces for the benchmark and the tests: an install
links only faces that are installed, so each link of a big link table needs
a face of its own that Windows offers for the Japanese character set.

    /usr/bin/python3 scripts/make-faces.py FOLDER COUNT
        writes FOLDER/BENCH01.TTF ... with the family names MinamoBench01 ...
    /usr/bin/python3 scripts/make-faces.py --collection FILE COUNT
        writes one TrueType collection FILE of COUNT faces named
        MinamoFace0000 ... (one file, its tables shared: thousands of faces
        in under a megabyte)

Needs Debian's python3-fonttools.
"""
import io
import os
import sys

from fontTools.fontBuilder import FontBuilder
from fontTools.pens.ttGlyphPen import TTGlyphPen
from fontTools.ttLib import TTCollection, TTFont


def block():
    pen = TTGlyphPen(None)
    pen.moveTo((100, 0))
    pen.lineTo((100, 800))
    pen.lineTo((900, 800))
    pen.lineTo((900, 0))
    pen.closePath()
    return pen.glyph()


def write_face(path, family):
    """One face in a file of its own."""
    build_face(family).save(path)


def build_face(family):
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
    return fb


def write_collection(path, count):
    """count faces in one collection, differing only in their names."""
    base = io.BytesIO()
    build_face("MinamoFace").save(base)
    collection = TTCollection()
    for i in range(count):
        base.seek(0)
        face = TTFont(base)
        family = "MinamoFace%04d" % i
        for name_id in (1, 4, 6):  # family, full name, PostScript name
            face["name"].setName(family, name_id, 3, 1, 0x409)
            face["name"].setName(family, name_id, 1, 0, 0)
        collection.fonts.append(face)
    collection.save(path, shareTables=True)


def main(folder, count):
    os.makedirs(folder, exist_ok=True)
    for i in range(1, count + 1):
        write_face(os.path.join(folder, "BENCH%02d.TTF" % i), "MinamoBench%02d" % i)


if __name__ == "__main__":
    if sys.argv[1] == "--collection":
        write_collection(sys.argv[2], int(sys.argv[3]))
    else:
        main(sys.argv[1], int(sys.argv[2]))
