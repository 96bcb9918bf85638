#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-2.0-or-later
"""Writes fire.pal, the built-in fire palette: 256 red, green, blue triples.

The colours run from black through dark red, red, orange and yellow to
almost white, each channel an exact integer curve of the heat value i:
  red   = min(255, floor(3i / 2))
  green = min(255, floor(i^3 / 26880))
  blue  = floor(i^4 / 2^24)
"""
import os
import sys

def palette_bytes():
    out = bytearray()
    for i in range(256):
        out += bytes((min(255, 3 * i // 2), min(255, i ** 3 // 26880), i ** 4 // 2 ** 24))
    return bytes(out)

if __name__ == "__main__":
    target = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "fire.pal")
    with open(target, "wb") as f:
        f.write(palette_bytes())
