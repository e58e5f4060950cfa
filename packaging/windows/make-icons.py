#!/usr/bin/env python3
"""Draws the programs' icons, 32 by 32 and 16 by 16 pixels in 16 colours, as .ico files.

Run it again after changing a glyph: packaging/windows/make-icons.py
"""
import os
import struct

# The 16-colour palette of the icons (the VGA colours), as (red, green, blue).
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
    (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
TEAL, WHITE, NAVY, TRANSPARENT = 6, 15, 4, None

# 7 by 9 glyphs of the programs' letters.
GLYPHS = {
    "Q": ["  ###  ", " #   # ", "#     #", "#     #", "#     #", "#   # #", " #   # ",
          "  ### #", "       "],
    "K": ["#    # ", "#   #  ", "#  #   ", "# #    ", "##     ", "# #    ", "#  #   ",
          "#   #  ", "#    # "],
}


def draw(letter, size):
    """The icon as rows of palette indexes (None is transparent), top row first."""
    rows = [[TRANSPARENT] * size for _ in range(size)]
    inset = 1 if size == 32 else 0
    for y in range(inset, size - inset):
        for x in range(inset, size - inset):
            corner = min(x - inset, size - 1 - inset - x) + min(y - inset, size - 1 - inset - y)
            if corner >= (2 if size == 32 else 1):
                edge = min(x, y, size - 1 - x, size - 1 - y) == inset
                rows[y][x] = NAVY if edge else TEAL
    glyph = GLYPHS[letter]
    scale = 3 if size == 32 else 1
    left = (size - 7 * scale) // 2
    top = (size - 9 * scale) // 2 + (1 if size == 16 else 0)
    for gy, line in enumerate(glyph):
        for gx, mark in enumerate(line):
            if mark != "#":
                continue
            for dy in range(scale):
                for dx in range(scale):
                    rows[top + gy * scale + dy][left + gx * scale + dx] = WHITE
    return rows


def image_bytes(rows):
    """A 4-bit DIB with its AND mask, as the ICO format stores it (bottom row first)."""
    size = len(rows)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 4, 0, 0, 0, 0, 16, 0)
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE)
    xor_stride = ((size * 4 + 31) // 32) * 4
    and_stride = ((size + 31) // 32) * 4
    xor, mask = b"", b""
    for row in reversed(rows):
        line = bytearray(xor_stride)
        bits = bytearray(and_stride)
        for x, colour in enumerate(row):
            index = 0 if colour is None else colour
            line[x // 2] |= index << (4 if x % 2 == 0 else 0)
            if colour is None:
                bits[x // 8] |= 0x80 >> (x % 8)
        xor += bytes(line)
        mask += bytes(bits)
    return header + palette + xor + mask


def write_icon(path, letter):
    images = [image_bytes(draw(letter, size)) for size in (32, 16)]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, data in zip((32, 16), images):
        out += struct.pack("<BBBBHHII", size, size, 16, 0, 1, 4, len(data), offset)
        offset += len(data)
    with open(path, "wb") as f:
        f.write(out + b"".join(images))


if __name__ == "__main__":
    here = os.path.dirname(os.path.abspath(__file__))
    write_icon(os.path.join(here, "quipcast.ico"), "Q")
    write_icon(os.path.join(here, "keyloom.ico"), "K")
