// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include "platform/DesktopImage.h"

#include <cstdint>

// Rows of pixels as an X server hands them out: top row first, each pixel
// 16, 24 or 32 bits wide holding red, green and blue under their masks.
struct PackedPixels {
    const std::uint8_t* data = nullptr;
    int width = 0, height = 0;
    int bytesPerLine = 0;
    int bitsPerPixel = 0;
    std::uint32_t redMask = 0, greenMask = 0, blueMask = 0;
    bool mostSignificantByteFirst = false;
};

// Converts packed pixels to a photograph of the screen (24-bit, bottom-up).
// False for another pixel size, an empty mask or rows shorter than the
// width, and when memory runs out.
bool PackedPixelsToDesktop(const PackedPixels& pixels, DesktopImage& image);
