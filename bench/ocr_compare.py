#!/usr/bin/python3
"""The user's alternative to /map: OCR of each glyph with tesseract's
Japanese data. Renders every STEP-th ideograph of FONT (as an EUDC font
would draw it) at 96 pixels on white and counts how often tesseract reads
the character itself; prints "ocr first N %".

    /usr/bin/python3 bench/ocr_compare.py FONT [COUNT]
"""
import os
import subprocess
import sys
import tempfile

import freetype  # python3-freetype
from fontTools.ttLib import TTFont


def render(face, character, path):
    face.set_pixel_sizes(96, 96)
    face.load_char(character, freetype.FT_LOAD_RENDER)
    bitmap = face.glyph.bitmap
    width, height = bitmap.width + 48, bitmap.rows + 48
    rows = [bytearray([255] * width) for _ in range(height)]
    pixels = bitmap.buffer  # a new list at each reading of the property
    for y in range(bitmap.rows):
        for x in range(bitmap.width):
            rows[y + 24][x + 24] = 255 - pixels[y * bitmap.pitch + x]
    with open(path, "wb") as out:
        out.write(b"P5 %d %d 255\n" % (width, height))
        for row in rows:
            out.write(bytes(row))


def main(font, count=100):
    ideographs = [c for c in sorted(TTFont(font).getBestCmap()) if 0x4E00 <= c <= 0x9FFF]
    step = max(1, len(ideographs) // count)
    chosen = ideographs[::step][:count]
    face = freetype.Face(font)
    right = 0
    with tempfile.TemporaryDirectory() as folder:
        image = os.path.join(folder, "glyph.pgm")
        for code in chosen:
            render(face, chr(code), image)
            read = subprocess.run(["tesseract", image, "-", "-l", "jpn", "--psm", "10"],
                                  capture_output=True, text=True).stdout.strip()
            right += read[:1] == chr(code)
    print("ocr first %.2f %% of %d" % (100.0 * right / len(chosen), len(chosen)))


if __name__ == "__main__":
    main(sys.argv[1], int(sys.argv[2]) if len(sys.argv) > 2 else 100)
