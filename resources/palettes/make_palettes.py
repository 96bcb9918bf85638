#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-2.0-or-later
"""Writes the sample palette files that the installers put into the Palettes folder.

Each file is 768 bytes: 256 red, green, blue triples, entry 0 (the coolest
heat, always black) first. Every channel of every palette follows one curve
of the heat value i:

    level(i) = 255 * clamp((i - start) / (full - start), 0, 1) ** power

so a channel stays dark below `start`, reaches 255 at `full`, and `power`
shapes the rise (above 1 it lingers dark and then climbs steeply). A palette
is three such curves; a channel may also have a ceiling below 255 and a
glow: a soft hump of height `glow` over the low heats, for palettes whose
embers shine in a colour that the hot end leaves behind.

Usage: make_palettes.py [output directory]   (default: beside this script)
"""
import math
import os
import sys

# name: ((start, full, power, ceiling, glow) for red, green, blue)
PALETTES = {
    "Classic Fire": ((0, 140, 1.15, 255, 0), (45, 215, 1.5, 255, 0), (150, 255, 1.8, 230, 0)),
    "Blue Gas": ((120, 255, 1.9, 235, 0), (35, 220, 1.6, 255, 0), (0, 120, 1.0, 255, 0)),
    "Green Flame": ((60, 235, 1.9, 245, 0), (0, 135, 1.05, 255, 0), (120, 255, 2.0, 210, 0)),
    "Ice": ((50, 255, 1.5, 250, 0), (15, 210, 1.25, 255, 0), (0, 150, 0.95, 255, 0)),
    "Violet": ((0, 170, 1.15, 255, 0), (110, 255, 2.0, 235, 0), (0, 130, 1.05, 255, 0)),
    "Grey Embers": ((0, 255, 1.05, 255, 90), (10, 255, 1.15, 250, 0), (20, 255, 1.2, 245, 0)),
    "Molten Gold": ((0, 115, 1.1, 255, 0), (20, 190, 1.35, 235, 0), (140, 255, 2.2, 200, 0)),
    "Copper Flame": ((110, 255, 1.9, 235, 0), (0, 150, 1.1, 255, 0), (15, 180, 1.2, 235, 0)),
}

# Heat of the glow's peak and its spread, for channels that have one.
GLOW_PEAK = 60.0
GLOW_WIDTH = 28.0


def level(i, start, full, power, ceiling, glow):
    rise = min(1.0, max(0.0, (i - start) / (full - start))) ** power * ceiling
    hump = glow * math.exp(-((i - GLOW_PEAK) / GLOW_WIDTH) ** 2) if i > 0 else 0.0
    return min(255, int(max(rise, hump) + 0.5))


def palette_bytes(curves):
    out = bytearray()
    for i in range(256):
        out += bytes(level(i, *curve) for curve in curves)
    return bytes(out)


def file_name(name):
    return name + ".pal"


if __name__ == "__main__":
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.abspath(__file__))
    for name, curves in PALETTES.items():
        with open(os.path.join(folder, file_name(name)), "wb") as f:
            f.write(palette_bytes(curves))
