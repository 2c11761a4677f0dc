#!/usr/bin/env python3
"""Writes ui/morvane.ico: one 32x32 picture, 16 colours, 4 bits per pixel.

Three stacked panels show one datum three ways: "41" (hex), "A" (the byte) and "65" (decimal),
tied together by a bar on the left. Run once; the .ico is committed.
Usage: tools/make_icon.py [output path]
"""
import struct
import sys

# The standard 16-colour palette (index: (r, g, b)).
PALETTE = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
           (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0),
           (255, 255, 0), (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255)]
BLACK, DARK_GREY, WHITE, CYAN, GREEN, YELLOW, DARK_BLUE = 0, 8, 15, 14, 10, 11, 4

GLYPHS = {  # 3x5 pixel digits and letters, rows top to bottom
    "4": ["1.1", "1.1", "111", "..1", "..1"],
    "1": [".1.", "11.", ".1.", ".1.", "111"],
    "A": [".1.", "1.1", "111", "1.1", "1.1"],
    "6": ["111", "1..", "111", "1.1", "111"],
    "5": ["111", "1..", "111", "..1", "111"],
}


def draw():
    pixels = [[None] * 32 for _ in range(32)]  # None: transparent
    panels = [(1, CYAN, "41"), (11, GREEN, "A"), (21, YELLOW, "65")]
    for top, colour, text in panels:
        for y in range(top, top + 10):
            for x in range(6, 31):
                edge = y in (top, top + 9) or x in (6, 30)
                pixels[y][x] = BLACK if edge else colour
        width = 4 * len(text) - 1
        left = 6 + (25 - width) // 2 + 1
        for i, ch in enumerate(text):
            for row, bits in enumerate(GLYPHS[ch]):
                for col, bit in enumerate(bits):
                    if bit == "1":
                        # each glyph pixel is drawn 1 wide, 1 tall; rows start 2 below the panel top
                        pixels[top + 2 + row][left + 4 * i + col] = DARK_BLUE
    # the bar that ties the three views together, with a tap into each panel
    for y in range(4, 27):
        pixels[y][2] = DARK_GREY
        pixels[y][3] = WHITE
    for top, _, _ in panels:
        for x in range(2, 6):
            pixels[top + 4][x] = DARK_GREY
            pixels[top + 5][x] = WHITE
    return pixels


def ico(pixels):
    xor = bytearray()
    mask = bytearray()
    for y in range(31, -1, -1):  # bottom-up rows
        row = pixels[y]
        for x in range(0, 32, 2):
            a = row[x] if row[x] is not None else 0
            b = row[x + 1] if row[x + 1] is not None else 0
            xor.append((a << 4) | b)
        bits = 0
        for x in range(32):
            bits = (bits << 1) | (1 if row[x] is None else 0)
        mask += struct.pack(">I", bits)
    header = struct.pack("<IiiHHIIiiII", 40, 32, 64, 1, 4, 0, len(xor) + len(mask), 0, 0, 16, 0)
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE)
    image = header + palette + bytes(xor) + bytes(mask)
    directory = struct.pack("<HHH", 0, 1, 1) + struct.pack("<BBBBHHII", 32, 32, 16, 0, 1, 4, len(image), 22)
    return directory + image


if __name__ == "__main__":
    out = sys.argv[1] if len(sys.argv) > 1 else "ui/morvane.ico"
    with open(out, "wb") as f:
        f.write(ico(draw()))
