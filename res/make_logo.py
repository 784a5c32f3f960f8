#!/usr/bin/env python3
"""Draws the Vorlane logo, a memory module under a blue V, and writes it as a
32 x 32, 256-colour Windows icon (and optionally a PNG preview).

The icon is committed beside this script; a test checks that the committed
file is what this script draws, so the picture is reviewed as code.
"""
import struct
import sys
import zlib

SIZE = 32
TRANSPARENT = None
BOARD = (24, 120, 72)
BOARD_EDGE = (10, 70, 40)
CHIP = (30, 30, 36)
CHIP_LIGHT = (80, 80, 92)
GOLD = (222, 176, 48)
V_FILL = (67, 117, 154)
V_LIGHT = (120, 170, 210)
OUTLINE = (255, 255, 255)


def draw():
    pixels = [[TRANSPARENT] * SIZE for _ in range(SIZE)]

    def rect(x0, y0, x1, y1, colour):
        for y in range(y0, y1):
            for x in range(x0, x1):
                pixels[y][x] = colour

    # The module: a green board with a dark edge, three chips and gold contacts.
    rect(1, 9, 31, 27, BOARD_EDGE)
    rect(2, 10, 30, 26, BOARD)
    rect(15, 23, 17, 27, TRANSPARENT)  # the key notch between the contacts
    for x0 in (4, 13, 22):
        rect(x0, 12, x0 + 6, 20, CHIP)
        rect(x0 + 1, 13, x0 + 5, 14, CHIP_LIGHT)
    for x in range(3, 30, 2):
        if x not in (15, 16):
            rect(x, 23, x + 1, 27, GOLD)

    # The V: two thick strokes meeting at the bottom, outlined in white.
    def in_v(x, y, half_width):
        cx = x + 0.5
        cy = y + 0.5
        left = abs((cx - 6) * 24 - (cy - 2) * 10) / (24 ** 2 + 10 ** 2) ** 0.5
        right = abs((cx - 26) * 24 + (cy - 2) * 10) / (24 ** 2 + 10 ** 2) ** 0.5
        return 1.5 <= cy <= 27.5 and min(left, right) <= half_width

    for y in range(SIZE):
        for x in range(SIZE):
            if in_v(x, y, 2.2):
                pixels[y][x] = V_FILL if not in_v(x, y, 0.8) else V_LIGHT
            elif in_v(x, y, 3.2):
                pixels[y][x] = OUTLINE
    return pixels


def ico_bytes(pixels):
    palette = sorted({p for row in pixels for p in row if p is not None})
    palette = [(0, 0, 0)] + [p for p in palette if p != (0, 0, 0)]
    assert len(palette) <= 256
    index = {colour: i for i, colour in enumerate(palette)}
    palette_bytes = b"".join(bytes((b, g, r, 0)) for r, g, b in palette)
    palette_bytes += b"\0" * (4 * (256 - len(palette)))
    xor = b"".join(bytes(index.get(p, 0) if p is not None else 0 for p in row)
                   for row in reversed(pixels))
    and_rows = []
    for row in reversed(pixels):
        bits = 0
        for x, p in enumerate(row):
            if p is None:
                bits |= 1 << (31 - x)
        and_rows.append(struct.pack(">I", bits))
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 8, 0, 0, 0, 0, 256, 0)
    image = header + palette_bytes + xor + b"".join(and_rows)
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, 1, 8, len(image), 6 + 16)
    return directory + entry + image


def png_bytes(pixels, scale=8):
    raw = b""
    for row in pixels:
        line = b"".join(bytes((*(p or (255, 255, 255)),)) * scale for p in row)
        raw += (b"\0" + line) * scale

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(
            ">I", zlib.crc32(kind + data) & 0xFFFFFFFF)

    size = SIZE * scale
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", size, size, 8, 2, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


if __name__ == "__main__":
    pixels = draw()
    with open(sys.argv[1], "wb") as out:
        out.write(ico_bytes(pixels))
    if len(sys.argv) > 2:
        with open(sys.argv[2], "wb") as out:
            out.write(png_bytes(pixels))
