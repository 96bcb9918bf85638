#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-2.0-or-later
"""Writes finish.bmp, the picture beside the installer's last page: a still of
flames in the Classic Fire sample palette, 164 x 314 pixels, 8 bits a pixel.

The flames come from a small heat simulation: a bottom row of random heat,
each cell above it the average of its neighbours below, cooled a little each
step, with a fixed seed so the picture is the same on every run.

Usage: make_finish_bitmap.py [output file]   (default: finish.bmp beside this script)
"""
import os
import random
import struct
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "palettes"))
import make_palettes  # noqa: E402

WIDTH, HEIGHT = 164, 314
STEPS = 400
SEED = 2026
COOLING = 1.0  # heat lost per row: the flames end about two thirds up


def flames():
    rng = random.Random(SEED)
    heat = [[0.0] * WIDTH for _ in range(HEIGHT + 1)]
    for _ in range(STEPS):
        bottom = []
        while len(bottom) < WIDTH:  # spans of 3 to 9 cells, hot or cold
            bottom += [rng.choice((0.0, 255.0, 255.0, 255.0))] * rng.randint(3, 9)
        heat[HEIGHT] = bottom[:WIDTH]
        for y in range(HEIGHT):
            below, below2 = heat[y + 1], heat[min(HEIGHT, y + 2)]
            row = heat[y]
            for x in range(WIDTH):
                total = below[x - 1] + below[x] + below[(x + 1) % WIDTH] + below2[x]
                row[x] = max(0.0, total / 4.0 - COOLING)
    return [[min(255, int(v)) for v in row] for row in heat[:HEIGHT]]


def bmp_bytes(pixels, palette):
    stride = (WIDTH + 3) & ~3
    table = b"".join(bytes((palette[3 * i + 2], palette[3 * i + 1], palette[3 * i], 0)) for i in range(256))
    rows = b"".join(bytes(row) + b"\0" * (stride - WIDTH) for row in reversed(pixels))
    offset = 14 + 40 + len(table)
    header = struct.pack("<2sIHHI", b"BM", offset + len(rows), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, WIDTH, HEIGHT, 1, 8, 0, len(rows), 2835, 2835, 256, 0)
    return header + info + table + rows


if __name__ == "__main__":
    target = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(os.path.abspath(__file__)), "finish.bmp")
    palette = make_palettes.palette_bytes(make_palettes.PALETTES["Classic Fire"])
    with open(target, "wb") as f:
        f.write(bmp_bytes(flames(), palette))
