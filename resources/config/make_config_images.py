#!/usr/bin/env python3
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
  icon<N>.ico      the 20 x 20 page decorations, drawn at 32 x 32

Only the standard library is used and every pixel follows from fixed seeds,
so running it again gives the same bytes.  Usage: make_config_images.py [DIR]
"""
import math
import os
import struct
import sys


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

    carve(6, 6, 218, 420)    # the left panel
    carve(224, 6, 462, 392)  # the tabs and pages
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


def tool_strip(drawings):
    width, height = 16 * len(drawings), 16
    pixels = [[2] * width for _ in range(height)]
    for k, draw in enumerate(drawings):
        for (x, y, c) in draw():
            pixels[y][16 * k + x] = c
    return bmp8(width, height, pixels, TOOL_COLOURS)


def rect(left, top, right, bottom, c):
    return [(x, y, c) for y in range(top, bottom + 1) for x in range(left, right + 1)]


def outline(left, top, right, bottom, c):
    return ([(x, top, c) for x in range(left, right + 1)] + [(x, bottom, c) for x in range(left, right + 1)]
            + [(left, y, c) for y in range(top, bottom + 1)] + [(right, y, c) for y in range(top, bottom + 1)])


def new_page():
    dots = rect(3, 2, 11, 14, 3) + outline(3, 2, 11, 14, 0)
    spark = [(12, 1, 4), (12, 2, 6), (12, 3, 4), (11, 2, 4), (13, 2, 4), (14, 0, 6), (10, 0, 6), (14, 4, 6)]
    return dots + spark


def floppy():
    return (rect(2, 2, 13, 13, 5) + rect(4, 2, 11, 6, 3) + rect(9, 3, 10, 5, 5)
            + rect(4, 9, 11, 13, 2) + outline(2, 2, 13, 13, 0))


def cross():
    return [(x + d, y, 0) for x in range(3, 13) for y in (x,) for d in (0, 1)] + \
           [(x + d, 15 - x, 0) for x in range(3, 13) for d in (0, 1)]


def plus_down():
    return (rect(3, 6, 11, 7, 0) + rect(6, 3, 8, 10, 0)[:0] + rect(6, 3, 7, 10, 0)
            + [(x, y, 5) for y in range(11, 15) for x in range(12 - (14 - y), 13 + (14 - y) - 1)]
            + rect(12, 8, 12, 10, 5))


def minus():
    return rect(3, 7, 12, 8, 0)


def icon(seed):
    """A 32 x 32 glowing ember of a colour chosen by the seed, as a 32-bit ICO."""
    size = 32
    hue = (seed * 37) % 360
    rows = []
    for y in range(size - 1, -1, -1):
        row = bytearray()
        for x in range(size):
            u, v = (x + 0.5) / size * 2 - 1, (y + 0.5) / size * 2 - 1
            d = math.sqrt(u * u + v * v * (1.3 if seed % 2 else 0.8))
            alpha = max(0.0, min(1.0, (0.95 - d) * 8))
            heat = max(0.0, 1 - d)
            angle = math.radians(hue)
            r = int(255 * min(1, heat * 1.6))
            g = int(255 * min(1, heat * (0.9 + 0.5 * math.sin(angle))) * heat)
            b = int(255 * min(1, heat * (0.5 + 0.5 * math.cos(angle))) * heat * heat)
            row += bytes((b, g, r, int(255 * alpha)))
        rows.append(bytes(row))
    pixels = b"".join(rows)
    mask = bytes(4 * size)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(pixels) + len(mask), 0, 0, 0, 0)
    image = header + pixels + mask
    return struct.pack("<HHH", 0, 1, 1) + struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(image), 22) + image


ICON_IDS = (162, 163, 164, 165, 166, 167, 168, 172, 176, 177, 178, 179, 181, 187)


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.abspath(__file__))
    files = {
        "background.bmp": background(),
        "preview.bmp": preview(),
        "toolfile.bmp": tool_strip([new_page, floppy, cross]),
        "tooltext.bmp": tool_strip([plus_down, minus]),
    }
    for n in ICON_IDS:
        files["icon%d.ico" % n] = icon(n)
    for name, data in files.items():
        with open(os.path.join(folder, name), "wb") as out:
            out.write(data)


if __name__ == "__main__":
    main()
