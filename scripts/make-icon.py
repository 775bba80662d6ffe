#!/usr/bin/python3
"""Draws minamo's icon (a water surface with ripples) into res/minamo.ico.

Pure Python: 16, 32 and 48 pixel images, 32 bits per pixel with alpha.
"""
import math
import struct
import sys


def pixel(size, x, y):
    s = size
    u, v = (x + 0.5) / s, (y + 0.5) / s
    # Rounded square with a soft edge.
    r = 0.18
    dx = max(abs(u - 0.5) - (0.5 - r), 0)
    dy = max(abs(v - 0.5) - (0.5 - r), 0)
    d = math.hypot(dx, dy) - r
    alpha = max(0.0, min(1.0, 0.5 - d * s))
    if alpha == 0:
        return (0, 0, 0, 0)
    # Sky above, water below, ripples on the water.
    if v < 0.42:
        t = v / 0.42
        col = (255 - 40 * t, 250 - 30 * t, 235 - 10 * t)
        # The moon reflected as a pale disc.
        if math.hypot(u - 0.68, v - 0.2) < 0.11:
            col = (255, 214, 102)
    else:
        t = (v - 0.42) / 0.58
        col = (40 - 20 * t, 140 - 70 * t, 200 - 60 * t)
        for k, y0 in enumerate((0.55, 0.7, 0.85)):
            wave = y0 + 0.03 * math.sin((u * 2 + k * 0.5) * math.pi * 2)
            if abs(v - wave) < max(0.035, 0.9 / s):
                col = (235, 248, 255)
    # Dark outline.
    if d > -1.3 / s:
        col = (20, 60, 110)
    r_, g, b = (int(max(0, min(255, c))) for c in col)
    return (b, g, r_, int(alpha * 255))


def image(size):
    rows = []
    for y in reversed(range(size)):  # bottom-up
        rows.append(b"".join(bytes(pixel(size, x, y)) for x in range(size)))
    xor = b"".join(rows)
    mask_row = ((size + 31) // 32) * 4
    andmask = b"\0" * (mask_row * size)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0,
                         len(xor) + len(andmask), 0, 0, 0, 0)
    return header + xor + andmask


def main(path):
    sizes = (16, 32, 48)
    images = [image(s) for s in sizes]
    out = struct.pack("<HHH", 0, 1, len(sizes))
    offset = 6 + 16 * len(sizes)
    for s, data in zip(sizes, images):
        out += struct.pack("<BBBBHHII", s, s, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    out += b"".join(images)
    with open(path, "wb") as f:
        f.write(out)


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "res/minamo.ico")
