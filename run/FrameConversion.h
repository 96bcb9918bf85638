// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include "engine/FirePasses.h"
#include "palette/FirePalette.h"

#include <cstddef>
#include <cstdint>

// Copies a frame of W-byte rows into rows `stride` bytes apart (8-bit DIB rows
// must start on 4-byte boundaries).
void CopyRows(const std::uint8_t* frame, int width, int height, std::uint8_t* dest, int stride);

// The row distance of an 8-bit DIB of `width` pixels.
inline int DibStride(int width) { return (width + 3) & ~3; }

// Colour table entries of a DIB (blue, green, red, reserved 0) from a palette.
void PaletteToDibColours(const FirePalette& palette, std::uint8_t* colours);

// The 32-bit pixel of every palette entry: blue, green, red and 0 in memory
// order, as a 32-bit DIB or an XRGB surface holds them.
struct PixelPalette {
    std::uint32_t pixels[256];
};
void PaletteToPixels(const FirePalette& palette, PixelPalette& out);

// An indexed frame (top row first, W-byte rows) to 32-bit pixels through the
// palette; dest rows `destStride` bytes apart (negative for a bottom-up
// image: dest then points at the top row, the last in memory). dest starts
// on a 4-byte boundary.
void IndexedToPixels(const std::uint8_t* indexes, int width, int height, const PixelPalette& palette,
                     std::uint8_t* dest, std::ptrdiff_t destStride, const FirePasses& passes = BestFirePasses());

// The preview's conversion: an indexed frame (top row first) to 32-bit
// pixels (blue, green, red, 0), bottom row first.
void IndexedToBottomUpRgb(const std::uint8_t* indexes, int width, int height, const FirePalette& palette,
                          std::uint8_t* pixels);
