#pragma once
#include "palette/FirePalette.h"

#include <cstdint>

// Copies a frame of W-byte rows into rows `stride` bytes apart (8-bit DIB rows
// must start on 4-byte boundaries).
void CopyRows(const std::uint8_t* frame, int width, int height, std::uint8_t* dest, int stride);

// The row distance of an 8-bit DIB of `width` pixels.
inline int DibStride(int width) { return (width + 3) & ~3; }

// Colour table entries of a DIB (blue, green, red, reserved 0) from a palette.
void PaletteToDibColours(const FirePalette& palette, std::uint8_t* colours);

// The preview's conversion: an indexed frame (top row first) to 32-bit
// pixels (blue, green, red, fourth byte untouched), bottom row first.
void IndexedToBottomUpRgb(const std::uint8_t* indexes, int width, int height, const FirePalette& palette,
                          std::uint8_t* pixels);
