#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-2.0-or-later
"""Writes emberlux.ico: a flame on a dark ember, at 16, 32 and 48 pixels.

Each size is drawn from the same shape: a teardrop flame whose heat falls
off from a hot core, coloured through the built-in fire palette's curves
(red = 1.5h, green = h^3 / 26880, blue = h^4 / 2^24 for heat h in 0..255),
with transparency where there is no heat. The images are 32-bit BMPs with an
alpha channel inside the ICO container, which every Windows since XP reads.
"""
import math
import os
import struct
import sys


def fire_colour(h):
    h = max(0, min(255, int(h)))
    return min(255, 3 * h // 2), min(255, h ** 3 // 26880), h ** 4 // 2 ** 24


def heat_at(x, y, size):
    # Normalised coordinates: u across (-1..1), v up (0 at the bottom, 1 at the top).
    u = (x + 0.5) / size * 2 - 1
    v = 1 - (y + 0.5) / size
    # The flame narrows towards its tip and sways a little to the right.
    sway = 0.12 * math.sin(v * 3.2)
    half_width = 0.78 * math.sqrt(max(0.0, 1 - v)) * (0.55 + 0.45 * math.sin(min(1.0, v * 2.2) * math.pi / 2))
    if v < 0.04 or half_width <= 0:
        return 0.0
    d = abs(u - sway) / half_width
    if d >= 1:
        return 0.0
    core = (1 - d) ** 0.7 * (1 - 0.55 * v)
    return 255 * min(1.0, 0.25 + 1.1 * core)


def image(size):
    rows = []
    for y in range(size - 1, -1, -1):  # BMP rows bottom-up
        row = bytearray()
        for x in range(size):
            # Supersample 4x4 for soft edges.
            samples = [heat_at(x + (i + 0.5) / 4 - 0.5, y + (j + 0.5) / 4 - 0.5, size) for i in range(4) for j in range(4)]
            lit = [s for s in samples if s > 0]
            alpha = int(255 * len(lit) / len(samples))
            heat = sum(lit) / len(lit) if lit else 0
            r, g, b = fire_colour(heat)
            row += bytes((b, g, r, alpha))
        rows.append(bytes(row))
    pixels = b"".join(rows)
    mask_stride = ((size + 31) // 32) * 4
    mask = bytes(mask_stride * size)  # all opaque: the alpha channel decides
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(pixels) + len(mask), 0, 0, 0, 0)
    return header + pixels + mask


def icon(sizes):
    images = [image(s) for s in sizes]
    out = struct.pack("<HHH", 0, 1, len(sizes))
    offset = 6 + 16 * len(sizes)
    for s, data in zip(sizes, images):
        out += struct.pack("<BBBBHHII", s % 256, s % 256, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    return out + b"".join(images)


if __name__ == "__main__":
    target = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "emberlux.ico")
    with open(target, "wb") as f:
        f.write(icon([16, 32, 48]))
