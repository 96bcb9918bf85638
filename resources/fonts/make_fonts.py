#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-2.0-or-later
"""Writes cp866.fnt and cp437.fnt, the built-in 8x16 bitmap fonts for text in flames.

Each file is 256 glyphs of 16 bytes (4096 bytes): glyph g, the character with
code g in the code page, sits at bytes 16g..16g+15, one byte per pixel row
from the top row down, bit 7 the leftmost pixel. cp866.fnt is the Cyrillic
OEM code page 866, cp437.fnt the Western OEM code page 437.

Glyph source: GNU Unifont (Debian package "unifont", file
/usr/share/unifont/unifont.hex; copyright 1998-2019 Roman Czyborra, Paul
Hardy, Qianqian Fang, Jungshik Shin and other contributors). Its Debian
copyright file gives the licence as GPL-2+: free software under the GNU
General Public License, version 2 or (at your option) any later version.

Codes 0x20..0xFF are mapped to Unicode with Python's codecs; codes 0x01..0x1F
and 0x7F get the usual OEM graphic symbols, and code 0x00 is blank. Unifont
glyphs 8 pixels wide are copied as they are; a 16-pixel-wide glyph would be
squeezed to 8 columns by OR-ing each pair of adjacent columns (no code in
either code page needs that at present; the script lists any that do).

Usage: make_fonts.py [output directory]
"""
import os
import sys

UNIFONT = "/usr/share/unifont/unifont.hex"

OEM_SYMBOLS = [  # codes 0x01..0x1F
    0x263A, 0x263B, 0x2665, 0x2666, 0x2663, 0x2660, 0x2022, 0x25D8,
    0x25CB, 0x25D9, 0x2642, 0x2640, 0x266A, 0x266B, 0x263C, 0x25BA,
    0x25C4, 0x2195, 0x203C, 0x00B6, 0x00A7, 0x25AC, 0x21A8, 0x2191,
    0x2193, 0x2192, 0x2190, 0x221F, 0x2194, 0x25B2, 0x25BC,
]
HOUSE = 0x2302  # code 0x7F


def code_points(codepage):
    """Unicode code point of every code 0..255 of the code page (None = blank)."""
    points = [None] + OEM_SYMBOLS
    points += [ord(bytes([c]).decode(codepage)) for c in range(0x20, 0x100)]
    points[0x7F] = HOUSE
    return points


def load_unifont():
    glyphs = {}
    with open(UNIFONT) as f:
        for line in f:
            point, bits = line.strip().split(":")
            glyphs[int(point, 16)] = bits
    return glyphs


def glyph_rows(bits):
    """16 row bytes of an 8x16 glyph from a Unifont hex string (8 or 16 wide)."""
    if len(bits) == 32:
        return bytes.fromhex(bits)
    rows = bytearray()
    for r in range(16):
        word = int(bits[4 * r:4 * r + 4], 16)
        rows.append(sum(1 << (7 - i) for i in range(8) if word >> (14 - 2 * i) & 3))
    return bytes(rows)


def font_bytes(codepage, unifont):
    out = bytearray()
    for code, point in enumerate(code_points(codepage)):
        if point is None:
            out += bytes(16)
            continue
        bits = unifont[point]
        if len(bits) != 32:
            print("%s: code 0x%02X (U+%04X) is wide, columns paired" % (codepage, code, point))
        out += glyph_rows(bits)
    assert len(out) == 4096
    return bytes(out)


if __name__ == "__main__":
    target = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.abspath(__file__))
    unifont = load_unifont()
    for codepage in ("cp866", "cp437"):
        with open(os.path.join(target, codepage + ".fnt"), "wb") as f:
            f.write(font_bytes(codepage, unifont))
