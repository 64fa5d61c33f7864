#!/usr/bin/env python3
"""Writes src/win32/resources/hand.cur: the options dialog's 32 x 32 monochrome hand pointer over
links, hot spot at x 13, y 5 (the tip of the pointing finger). Run it again after changing the art."""

import struct
import sys
from pathlib import Path

# X black, . white, blank transparent; row 0 is the top.
ART = [""] * 5 + [
    "             XX",
    "            X..X",
    "            X..X",
    "            X..X",
    "            X..X",
    "            X..XXX",
    "            X..X..XXX",
    "            X..X..X..XX",
    "         XX X..X..X..X.X",
    "        X..XX..X..X..X.X",
    "         X.............X",
    "          X............X",
    "          X............X",
    "           X..........X",
    "           X..........X",
    "            X........X",
    "            X........X",
    "            XXXXXXXXXX",
]
SIZE = 32
HOT_SPOT = (13, 5)


def rows_of(bit_for):
    """Bottom-up rows of 1-bit pixels, 4 bytes each."""
    data = bytearray()
    for y in reversed(range(SIZE)):
        line = ART[y] if y < len(ART) else ""
        bits = 0
        for x in range(SIZE):
            bits = (bits << 1) | bit_for(line[x] if x < len(line) else " ")
        data += struct.pack(">I", bits)
    return bytes(data)


def cursor_bytes():
    xor = rows_of(lambda c: 1 if c == "." else 0)
    mask = rows_of(lambda c: 1 if c == " " else 0)
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 1, 0, len(xor) + len(mask), 0, 0, 2, 0)
    palette = bytes([0, 0, 0, 0, 255, 255, 255, 0])
    image = header + palette + xor + mask
    directory = struct.pack("<HHH", 0, 2, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 2, 0, HOT_SPOT[0], HOT_SPOT[1], len(image), 6 + 16)
    return directory + entry + image


if __name__ == "__main__":
    target = Path(sys.argv[1] if len(sys.argv) > 1 else Path(__file__).resolve().parent.parent /
                  "src/win32/resources/hand.cur")
    target.write_bytes(cursor_bytes())
    print(target)
