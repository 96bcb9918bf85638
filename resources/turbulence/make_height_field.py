#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-2.0-or-later
"""Writes height_field.bin, the built-in 640x480 height field for turbulence.

One byte per pixel, row-major, top row first. The field is a mid-grey ground
with a few dozen soft round light and dark spots (roughly 30 to 80 pixels
across at half height). The turbulence effect looks for the direction of the
highest ground around each pixel and pulls heat from the side, so the field
must be smooth and free of pixel noise; it must also tile seamlessly, since
the screen may be larger than the field, so every distance is measured on
the torus (wrapping at the left/right and top/bottom edges).

Each spot is the smooth bump (1 - (d/R)^2)^3 for d < R, zero outside, with a
random centre, support radius R and signed amplitude from a fixed seed. The
sum is scaled linearly onto 23..234 and then bent by the curve
t + k*t*(1-t), which keeps both ends in place and moves the mean to 131.
Only integer-seeded random numbers and plain float arithmetic are used, so
re-running gives a byte-identical file.

Usage: make_height_field.py [output.bin] [--preview preview.pgm]
"""
import os
import random
import sys

WIDTH, HEIGHT = 640, 480
LOW, HIGH, MEAN = 23, 234, 131
SEED = 20241
BUMPS = 56


def raw_field():
    rng = random.Random(SEED)
    field = [0.0] * (WIDTH * HEIGHT)
    for _ in range(BUMPS):
        cx = rng.randrange(WIDTH)
        cy = rng.randrange(HEIGHT)
        radius = rng.randrange(34, 90)           # half height at ~0.45 R
        amp = rng.uniform(0.6, 1.0) * rng.choice((-1.0, 1.0))
        r2 = float(radius * radius)
        for dy in range(-radius, radius + 1):
            row = ((cy + dy) % HEIGHT) * WIDTH
            for dx in range(-radius, radius + 1):
                q = 1.0 - (dx * dx + dy * dy) / r2
                if q > 0.0:
                    field[row + (cx + dx) % WIDTH] += amp * q * q * q
    return field


def height_field_bytes():
    field = raw_field()
    lo, hi = min(field), max(field)
    t = [(v - lo) / (hi - lo) for v in field]            # 0..1, ends exact
    n = len(t)
    want = (MEAN - LOW) / (HIGH - LOW)
    k = (want - sum(t) / n) / (sum(x * (1.0 - x) for x in t) / n)
    assert abs(k) <= 1.0, "mean correction would fold the curve"
    return bytes(int(LOW + (HIGH - LOW) * (x + k * x * (1.0 - x)) + 0.5) for x in t)


if __name__ == "__main__":
    args = sys.argv[1:]
    preview = None
    if "--preview" in args:
        i = args.index("--preview")
        preview = args[i + 1]
        del args[i:i + 2]
    target = args[0] if args else os.path.join(os.path.dirname(__file__), "height_field.bin")
    data = height_field_bytes()
    with open(target, "wb") as f:
        f.write(data)
    if preview:
        with open(preview, "wb") as f:
            f.write(b"P5\n%d %d\n255\n" % (WIDTH, HEIGHT) + data)
    print("min %d max %d mean %.2f" % (min(data), max(data), sum(data) / len(data)))
