#!/usr/bin/python3
"""Makes the fuzzer's seed fonts in font_corpus/ beside this file: small
fonts of scripts/make-test-font.py that lead it into each part of the
reader (the format 4 character map with and without its glyph array, the
format 12 one, a composite, an empty glyph, a collection) and one cut off. Inputs that once crashed the fuzzer
are added there by hand and kept; this script leaves them as they are.

    /usr/bin/python3 tests/fuzz/make_font_corpus.py
"""
import os
import subprocess
import sys

from fontTools.ttLib import TTFont
from fontTools.ttLib.tables._c_m_a_p import CmapSubtable

HERE = os.path.dirname(os.path.abspath(__file__))
CORPUS = os.path.join(HERE, "font_corpus")
MAKE_FONT = os.path.join(HERE, "..", "..", "scripts", "make-test-font.py")


def make(name, *options):
    path = os.path.join(CORPUS, name)
    subprocess.run([sys.executable, MAKE_FONT, path, "--family", "Seed"] + list(options), check=True)
    return path


def with_full_unicode_map(source, name):
    """The font with a platform 3 encoding 10 subtable (format 12) too."""
    font = TTFont(source)
    table = CmapSubtable.newSubtable(12)
    table.platformID, table.platEncID, table.language = 3, 10, 0
    table.cmap = dict(font["cmap"].getcmap(3, 1).cmap)
    font["cmap"].tables.append(table)
    font.save(os.path.join(CORPUS, name))


def main():
    os.makedirs(CORPUS, exist_ok=True)
    plain = make("plain.ttf", "--codes", "E000,E001,E002")
    make("composed.ttf", "--codes", "E000,E03F", "--empty", "E004", "--composite", "E005,E757")
    make("two_fonts.ttc", "--codes", "E001", "--second", "E010,E011")
    make("reversed.ttf", "--codes", "E003,E002,E001,E000")
    with_full_unicode_map(plain, "format12.ttf")
    with open(plain, "rb") as whole, open(os.path.join(CORPUS, "cut_off.ttf"), "wb") as cut:
        cut.write(whole.read()[:600])


if __name__ == "__main__":
    main()
