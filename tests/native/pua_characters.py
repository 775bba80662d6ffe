#!/usr/bin/python3
"""Writes what fontTools sees in a font, for the native tests to hold the
character reader to: each Private Use Area code point whose glyph has an
outline, as Windows maps it (platform 3: the encoding 10 subtable where
there is one, else encoding 1), one a line, with the number of the first of
those characters whose glyph has the same bytes in glyf.

    /usr/bin/python3 tests/native/pua_characters.py FONT OUTPUT
"""
import sys

from fontTools.ttLib import TTFont


def windows_cmap(font):
    for encoding in (10, 1):
        table = font["cmap"].getcmap(3, encoding)
        if table is not None:
            return table.cmap
    return {}


def main(path, output):
    font = TTFont(path)
    raw = font.reader["glyf"]
    offsets = font["loca"].locations
    lines, first_with_bytes = [], {}
    for code, name in sorted(windows_cmap(font).items()):
        glyph_id = font.getGlyphID(name)
        if not 0xE000 <= code <= 0xF8FF or glyph_id == 0:
            continue
        if font["glyf"][name].numberOfContours == 0:
            continue
        data = raw[offsets[glyph_id]:offsets[glyph_id + 1]]
        group = first_with_bytes.setdefault(data, len(lines))
        lines.append("%04X %d\n" % (code, group))
    with open(output, "w") as out:
        out.writelines(lines)


if __name__ == "__main__":
    main(*sys.argv[1:])
