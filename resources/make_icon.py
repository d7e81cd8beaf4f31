#!/usr/bin/env python3
"""Draws the program icon: a red disc with a dark red rim and a white diagonal
cross, a grey shadow below and to the right, transparent elsewhere. One 32 x 32
image in the standard 16-colour palette with a transparency mask.

    python3 make_icon.py ExcelSweep.ico
"""
import math
import struct
import sys

SIZE = 32
# The standard 16-colour palette, as (red, green, blue).
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
DARK_RED, GREY, RED, WHITE = 1, 8, 9, 15
TRANSPARENT = None

CENTRE = 13.5
RADIUS = 12.5
RIM = 1.6
SHADOW_OFFSET = 4        # the crescent is at most 4 * sqrt(2), under 6 pixels wide
CROSS_HALF_WIDTH = 1.5   # half the width of a bar, across it
CROSS_REACH = 7.5        # how far each bar runs from the centre along it


def pixel(x, y):
    px, py = x + 0.5, y + 0.5
    dx, dy = px - CENTRE - 0.5, py - CENTRE - 0.5
    distance = math.hypot(dx, dy)
    if distance <= RADIUS:
        along = max(abs(dx + dy), abs(dx - dy)) / math.sqrt(2)
        across = min(abs(dx - dy), abs(dx + dy)) / math.sqrt(2)
        if across <= CROSS_HALF_WIDTH and along <= CROSS_REACH:
            return WHITE
        return DARK_RED if distance > RADIUS - RIM else RED
    if math.hypot(dx - SHADOW_OFFSET, dy - SHADOW_OFFSET) <= RADIUS:
        return GREY
    return TRANSPARENT


def icon():
    rows = [[pixel(x, y) for x in range(SIZE)] for y in range(SIZE)]
    colours = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE)
    xor, mask = b"", b""
    for row in reversed(rows):  # bitmaps are stored bottom-up
        indices = [0 if c is TRANSPARENT else c for c in row]
        xor += bytes((indices[i] << 4) | indices[i + 1] for i in range(0, SIZE, 2))
        bits = "".join("1" if c is TRANSPARENT else "0" for c in row)
        mask += int(bits, 2).to_bytes(SIZE // 8, "big")
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 4, 0, len(xor) + len(mask), 0, 0, 16, 0)
    image = header + colours + xor + mask
    directory = struct.pack("<HHH", 0, 1, 1) + struct.pack("<BBBBHHII", SIZE, SIZE, 16, 0, 1, 4, len(image), 22)
    return directory + image


if __name__ == "__main__":
    with open(sys.argv[1], "wb") as out:
        out.write(icon())
