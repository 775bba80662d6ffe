#!/usr/bin/python3
"""Draws the pointing hand for links into res/hand.cur: a 32 x 32
monochrome cursor for the systems whose user32 has no IDC_HAND.

'#' is black, '.' white, blanks are transparent; the hot spot is the tip
of the finger.
"""
import struct
import sys

HAND = """
      ##
     #..#
     #..#
     #..#
     #..#
     #..###
     #..#..###
     #..#..#..##
  ## #..#..#..#.#
 #..##..#..#..#..#
 #...#........#..#
  #..#...........#
  #..............#
   #.............#
   #............#
    #...........#
    #..........#
     #.........#
     #........#
      #.......#
      #.......#
      #########
"""
HOT_SPOT = (6, 1)
SIZE = 32


def main(path):
    rows = HAND.strip("\n").split("\n")
    and_mask, xor_mask = bytearray(), bytearray()
    # Bottom-up rows of 32 bits each.
    for y in reversed(range(SIZE)):
        row = rows[y] if y < len(rows) else ""
        a = x = 0
        for i in range(SIZE):
            c = row[i] if i < len(row) else " "
            a = (a << 1) | (c == " ")
            x = (x << 1) | (c == ".")
        and_mask += struct.pack(">I", a)
        xor_mask += struct.pack(">I", x)
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 1, 0, 0, 0, 0, 2, 0)
    palette = struct.pack("<II", 0x000000, 0xFFFFFF)
    image = header + palette + bytes(xor_mask) + bytes(and_mask)
    directory = struct.pack("<HHH", 0, 2, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 2, 0, HOT_SPOT[0], HOT_SPOT[1], len(image), 6 + 16)
    with open(path, "wb") as f:
        f.write(directory + entry + image)


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "res/hand.cur")
