#!/usr/bin/python3
"""Makes an EUDC font of glyphs that have no standard twin, for the map's
verdict to be measured on: characters of SOURCE mirrored, set in a ring or a
box, with a stroke added or one taken away, the left part of one joined to
the right part of another, scribbles and logos, COUNT in all at U+E000..,
with their kinds listed beside it (FONT.txt: code kind).

    /usr/bin/python3 bench/no_twin_glyphs.py FONT SOURCE COUNT [SEED]
"""
import math
import os
import random
import sys

from fontTools.pens.recordingPen import RecordingPen
from fontTools.pens.reverseContourPen import ReverseContourPen
from fontTools.pens.transformPen import TransformPen
from fontTools.pens.ttGlyphPen import TTGlyphPen
from fontTools.ttLib import TTFont

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "native"))
from shape_fonts import save_eudc_font  # noqa: E402

KINDS = ["mirrored", "ring", "box", "stroke-added", "stroke-removed", "joined", "scribble", "logo"]


def contours(glyphs, name):
    """The glyph's contours, each a list of pen operations."""
    pen = RecordingPen()
    glyphs[name].draw(pen)
    out, current = [], []
    for op in pen.value:
        current.append(op)
        if op[0] in ("closePath", "endPath"):
            out.append(current)
            current = []
    return out


def centre_x(contour):
    xs = [p[0] for op in contour for p in op[1]]
    return sum(xs) / len(xs) if xs else 0


def replay(contour_list, pen):
    for contour in contour_list:
        for op, args in contour:
            getattr(pen, op)(*args)


def polygon(pen, points):
    pen.moveTo(points[0])
    for p in points[1:]:
        pen.lineTo(p)
    pen.closePath()


def circle(em, cx, cy, r, steps=48):
    return [(cx + r * math.cos(2 * math.pi * i / steps), cy + r * math.sin(2 * math.pi * i / steps)) for i in range(steps)]


def bar(x0, y0, x1, y1, width):
    dx, dy = x1 - x0, y1 - y0
    length = math.hypot(dx, dy) or 1
    nx, ny = -dy / length * width / 2, dx / length * width / 2
    return [(x0 + nx, y0 + ny), (x1 + nx, y1 + ny), (x1 - nx, y1 - ny), (x0 - nx, y0 - ny)]


def make(kind, rng, em, glyphs, names, pen):
    mid = em * 0.44  # the em box's centre in y for these fonts (baseline at 12 %)
    a = contours(glyphs, rng.choice(names))
    if kind == "mirrored":
        replay(a, ReverseContourPen(TransformPen(pen, (-1, 0, 0, 1, em, 0))))
    elif kind in ("ring", "box"):
        replay(a, TransformPen(pen, (0.62, 0, 0, 0.62, em * 0.19, mid * 0.38)))
        outer, inner = em * 0.48, em * 0.43
        if kind == "ring":
            polygon(pen, circle(em, em / 2, mid, outer))
            polygon(pen, list(reversed(circle(em, em / 2, mid, inner))))
        else:
            c = em / 2
            polygon(pen, [(c - outer, mid - outer), (c + outer, mid - outer), (c + outer, mid + outer), (c - outer, mid + outer)])
            polygon(pen, [(c - inner, mid - inner), (c - inner, mid + inner), (c + inner, mid + inner), (c + inner, mid - inner)])
    elif kind == "stroke-added":
        replay(a, pen)
        horizontal = rng.random() < 0.5
        length, at, start = em * rng.uniform(0.3, 0.6), rng.uniform(0.15, 0.85) * em, rng.uniform(0.05, 0.4) * em
        points = (bar(start, at - em * 0.1, start + length, at - em * 0.1, em * 0.05) if horizontal
                  else bar(at, start, at, start + length, em * 0.05))
        polygon(pen, points)
    elif kind == "stroke-removed":
        while len(a) < 3:
            a = contours(glyphs, rng.choice(names))
        del a[rng.randrange(len(a))]
        replay(a, pen)
    elif kind == "joined":
        b = contours(glyphs, rng.choice(names))
        replay([c for c in a if centre_x(c) < em * 0.45] + [c for c in b if centre_x(c) >= em * 0.45], pen)
    elif kind == "scribble":
        x, y = rng.uniform(0.2, 0.8) * em, rng.uniform(0.1, 0.8) * em
        for _ in range(rng.randint(3, 7)):
            nx, ny = min(max(x + rng.uniform(-0.4, 0.4) * em, 0.05 * em), 0.95 * em), min(max(y + rng.uniform(-0.4, 0.4) * em, 0), 0.85 * em)
            polygon(pen, bar(x, y, nx, ny, em * rng.uniform(0.03, 0.07)))
            x, y = nx, ny
    else:  # logo: a disc or a ring with bars or a triangle
        cx, cy, r = em / 2, mid, em * rng.uniform(0.3, 0.45)
        polygon(pen, circle(em, cx, cy, r, 40))
        if rng.random() < 0.5:
            polygon(pen, list(reversed(circle(em, cx, cy, r * rng.uniform(0.6, 0.85), 40))))
        polygon(pen, [(cx - r * 0.6, cy - r * 0.4), (cx, cy + r * 0.7), (cx + r * 0.6, cy - r * 0.4)][::-1 if rng.random() < 0.5 else 1])


def main(path, source_path, count, seed=1):
    rng = random.Random(seed)
    source = TTFont(source_path)
    cmap, glyphs = source.getBestCmap(), source.getGlyphSet()
    em = source["head"].unitsPerEm
    names = [cmap[c] for c in sorted(cmap) if 0x4E00 <= c <= 0x9FFF]
    order, outlines, mapping, lines = [".notdef"], {".notdef": TTGlyphPen(None).glyph()}, {}, []
    for i in range(count):
        code, name, kind = 0xE000 + i, "c%04X" % (0xE000 + i), KINDS[i % len(KINDS)]
        pen = TTGlyphPen(None)
        make(kind, rng, em, glyphs, names, pen)
        order.append(name)
        outlines[name], mapping[code] = pen.glyph(), name
        lines.append("%04X %s\n" % (code, kind))
    save_eudc_font(path, em, order, outlines, mapping)
    with open(path + ".txt", "w") as out:
        out.writelines(lines)


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2], int(sys.argv[3]), int(sys.argv[4]) if len(sys.argv) > 4 else 1)
