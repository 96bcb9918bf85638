#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-2.0-or-later
"""Writes the pictures of the configuration sheet into this folder.

  background.bmp   469 x 432, 8 bits: a grey marble with carved frames for
                   the left panel and the page area (the sheet tints its grey
                   colour table with the button-face colour when it loads it)
  preview.bmp      170 x 113, 8 bits: the picture of the preview frame while
                   no live preview runs (dark glowing embers)
  toolfile.bmp     48 x 16, 8 bits: new (page with a spark), save (floppy
                   disk), delete (black cross)
  tooltext.bmp     32 x 16, 8 bits: add (plus sign with a down arrow),
                   delete (minus sign)
  toolfile<S>.bmp, tooltext<S>.bmp
                   the same drawings with images of S x S pixels, for
                   higher DPIs (S = 20, 24, 32, 40, 48)
  icon<N>.ico      the 20 x 20 page decorations: a glowing ember drawn at
                   32 and 96 pixels

Only the standard library is used and every pixel follows from fixed seeds,
so running it again gives the same bytes.  Usage: make_config_images.py [DIR]
"""
import math
import os
import struct
import sys
import zlib


def bmp8(width, height, pixels, colours):
    """An 8-bit BMP file from rows of indices (top row first) and 256 colours."""
    stride = (width + 3) & ~3
    body = bytearray()
    for y in range(height - 1, -1, -1):
        row = bytes(pixels[y])
        body += row + bytes(stride - width)
    table = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in colours)
    offset = 14 + 40 + len(table)
    header = struct.pack("<2sIHHI", b"BM", offset + len(body), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 8, 0, len(body), 2835, 2835, 256, 0)
    return header + info + table + bytes(body)


class Random:
    """A small linear congruential generator, fixed across Python versions."""

    def __init__(self, seed):
        self.state = seed & 0xFFFFFFFF

    def next(self):
        self.state = (self.state * 1103515245 + 12345) & 0x7FFFFFFF
        return self.state / 0x7FFFFFFF


def value_noise(width, height, cell, seed):
    rnd = Random(seed)
    gw, gh = width // cell + 2, height // cell + 2
    grid = [[rnd.next() for _ in range(gw)] for _ in range(gh)]

    def at(x, y):
        gx, gy = x / cell, y / cell
        ix, iy = int(gx), int(gy)
        fx, fy = gx - ix, gy - iy
        fx, fy = fx * fx * (3 - 2 * fx), fy * fy * (3 - 2 * fy)
        a = grid[iy][ix] + (grid[iy][ix + 1] - grid[iy][ix]) * fx
        b = grid[iy + 1][ix] + (grid[iy + 1][ix + 1] - grid[iy + 1][ix]) * fx
        return a + (b - a) * fy

    return at


def background():
    width, height = 469, 432
    octaves = [value_noise(width, height, cell, 7 + cell) for cell in (64, 32, 16, 8)]
    pixels = []
    for y in range(height):
        row = []
        for x in range(width):
            turbulence = sum(n(x, y) / (2 ** k) for k, n in enumerate(octaves))
            vein = math.sin((x * 0.8 + y * 0.45) / 23.0 + turbulence * 5.5)
            # Mostly the button face (index 192), darker veins, a few light ones.
            level = 186 + 10 * vein - 14 * (abs(vein) < 0.12) + 6 * (turbulence - 0.9)
            row.append(int(max(120, min(250, level))))
        pixels.append(row)

    def carve(left, top, right, bottom):
        # A frame cut into the stone: light on the lower right, dark on the upper left.
        for x in range(left, right):
            pixels[top][x] = 140
            pixels[top + 1][x] = 236
            pixels[bottom][x] = 236
        for y in range(top, bottom + 1):
            pixels[y][left] = 140
            pixels[y][left + 1] = 236
            pixels[y][right] = 236

    # Where the sheet puts them once the picture is stretched over it.
    carve(6, 8, 205, 394)    # the left panel
    carve(210, 8, 460, 380)  # the tabs and pages
    colours = [(i, i, i) for i in range(256)]
    return bmp8(width, height, pixels, colours)


def fire_colour(h):
    h = max(0, min(255, int(h)))
    return min(255, 3 * h // 2), min(255, h ** 3 // 26880), h ** 4 // 2 ** 24


def preview():
    width, height = 170, 113
    noise = value_noise(width, height, 12, 41)
    pixels = []
    for y in range(height):
        glow = (y / (height - 1)) ** 2
        pixels.append([int(max(0, min(255, 255 * glow * (0.6 + 0.6 * noise(x, y))))) for x in range(width)])
    return bmp8(width, height, pixels, [fire_colour(h) for h in range(256)])


# Tool images use the standard greys so that a colour-mapped bitmap follows
# the system colours: index 0 black, 1 dark grey, 2 light grey (button face),
# 3 white, then a few accent colours.
TOOL_COLOURS = [(0, 0, 0), (128, 128, 128), (192, 192, 192), (255, 255, 255),
                (255, 160, 0), (0, 0, 128), (255, 255, 0)] + [(0, 0, 0)] * 249

# Sides of the tool images: 16 pixels at 96 DPI, larger drawings for higher DPIs.
TOOL_SIDES = (16, 20, 24, 32, 40, 48)

# A tool image is drawn on a grid of 16 x 16 units, whatever its side in
# pixels.  A shape is a test of a point (u, v) in units, made at the centre of
# every pixel, so at 16 pixels each unit is one pixel and larger sides draw
# the same shapes finer.  Outlines are the exception: they stay whole pixels
# thick, the same on every side of their box.


def box(left, top, right, bottom):
    """Units left..right and top..bottom, both included."""
    return lambda u, v: left <= u < right + 1 and top <= v < bottom + 1


def fill(shape, c):
    return ("fill", shape, c)


def frame(left, top, right, bottom, c):
    return ("frame", (left, top, right, bottom), c)


def dots(points):
    return [fill(box(x, y, x, y), c) for (x, y, c) in points]


def edge(unit, scale):
    """The first pixel whose centre lies at or after `unit` units."""
    return math.ceil(unit * scale - 0.5)


def raster(pixels, x0, side, drawing):
    scale = side / 16.0
    for kind, shape, c in drawing:
        if kind == "fill":
            for y in range(side):
                for x in range(side):
                    if shape((x + 0.5) / scale, (y + 0.5) / scale):
                        pixels[y][x0 + x] = c
        else:
            left, top, right, bottom = shape
            l, t, r, b = edge(left, scale), edge(top, scale), edge(right + 1, scale), edge(bottom + 1, scale)
            thick = max(1, int(scale + 0.5))
            for y in range(t, b):
                for x in range(l, r):
                    if x < l + thick or x >= r - thick or y < t + thick or y >= b - thick:
                        pixels[y][x0 + x] = c


def tool_strip(drawings, side):
    width, height = side * len(drawings), side
    pixels = [[2] * width for _ in range(height)]
    for k, draw in enumerate(drawings):
        raster(pixels, side * k, side, draw())
    return bmp8(width, height, pixels, TOOL_COLOURS)


def new_page():
    spark = [(12, 1, 4), (12, 2, 6), (12, 3, 4), (11, 2, 4), (13, 2, 4), (14, 0, 6), (10, 0, 6), (14, 4, 6)]
    return [fill(box(3, 2, 11, 14), 3), frame(3, 2, 11, 14, 0)] + dots(spark)


def floppy():
    return [fill(box(2, 2, 13, 13), 5), fill(box(4, 2, 11, 6), 3), fill(box(9, 3, 10, 5), 5),
            fill(box(4, 9, 11, 13), 2), frame(2, 2, 13, 13, 0)]


def cross():
    # Two strokes two units wide, corner to corner.
    return [fill(lambda u, v: 3 <= v < 13 and 0 <= u - v < 2, 0),
            fill(lambda u, v: 3 <= v < 13 and 16 <= u + v < 18, 0)]


def plus_down():
    arrow = lambda u, v: 11 <= v < 14 and abs(u - 12) < 14.5 - v
    return [fill(box(3, 6, 11, 7), 0), fill(box(6, 3, 7, 10), 0), fill(arrow, 5), fill(box(12, 8, 12, 10), 5)]


def minus():
    return [fill(box(3, 7, 12, 8), 0)]


# Sides of the icons' drawings: 32 pixels for the system's own use, and 96,
# from which the sheet shrinks each icon smoothly to its box (about 30 pixels
# at 96 DPI, growing with the DPI).  The large one is stored as PNG, which
# keeps it small.
ICON_SIDES = (32, 96)
ICON_PNG_FROM = 64


def ember(seed, size):
    """Rows (top first) of a glowing ember of a colour chosen by the seed, as (r, g, b, alpha)."""
    hue = (seed * 37) % 360
    rows = []
    for y in range(size):
        row = []
        for x in range(size):
            u, v = (x + 0.5) / size * 2 - 1, (size - y - 0.5) / size * 2 - 1
            d = math.sqrt(u * u + v * v * (1.3 if seed % 2 else 0.8))
            alpha = max(0.0, min(1.0, (0.95 - d) * 8))
            heat = max(0.0, 1 - d)
            angle = math.radians(hue)
            r = int(255 * min(1, heat * 1.6))
            g = int(255 * min(1, heat * (0.9 + 0.5 * math.sin(angle))) * heat)
            b = int(255 * min(1, heat * (0.5 + 0.5 * math.cos(angle))) * heat * heat)
            row.append((r, g, b, int(255 * alpha)))
        rows.append(row)
    return rows


def icon_bitmap(rows):
    """A 32-bit icon image: header, colours bottom row first, an empty mask."""
    size = len(rows)
    pixels = b"".join(bytes(c for (r, g, b, a) in reversed_row for c in (b, g, r, a))
                      for reversed_row in reversed(rows))
    mask = bytes((size + 31) // 32 * 4 * size)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(pixels) + len(mask), 0, 0, 0, 0)
    return header + pixels + mask


def png(rows):
    """An RGBA PNG file of the rows."""
    size = len(rows)

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))

    raw = b"".join(b"\0" + bytes(c for pixel in row for c in pixel) for row in rows)
    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)
    return b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b"")


def icon(seed):
    """An ICO file with the ember drawn at every side of ICON_SIDES."""
    images = [png(ember(seed, side)) if side >= ICON_PNG_FROM else icon_bitmap(ember(seed, side))
              for side in ICON_SIDES]
    offset = 6 + 16 * len(images)
    directory = b""
    for side, image in zip(ICON_SIDES, images):
        directory += struct.pack("<BBBBHHII", side % 256, side % 256, 0, 0, 1, 32, len(image), offset)
        offset += len(image)
    return struct.pack("<HHH", 0, 1, len(images)) + directory + b"".join(images)


ICON_IDS = (162, 163, 164, 165, 166, 167, 168, 172, 176, 177, 178, 179, 181, 187)


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.abspath(__file__))
    files = {
        "background.bmp": background(),
        "preview.bmp": preview(),
    }
    for side in TOOL_SIDES:
        suffix = "" if side == 16 else str(side)
        files["toolfile%s.bmp" % suffix] = tool_strip([new_page, floppy, cross], side)
        files["tooltext%s.bmp" % suffix] = tool_strip([plus_down, minus], side)
    for n in ICON_IDS:
        files["icon%d.ico" % n] = icon(n)
    for name, data in files.items():
        with open(os.path.join(folder, name), "wb") as out:
            out.write(data)


if __name__ == "__main__":
    main()
