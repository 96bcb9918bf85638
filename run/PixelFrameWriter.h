// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include "run/FramePresenter.h"
#include "run/FrameConversion.h"
#include "run/FrameUpscaler.h"

#include <cstddef>
#include <cstdint>

// What every presenter of 32-bit pixels does to a frame: looks its indexes
// up in the palette, scales it to the output smoothly when the sizes differ
// (SIMD, one pass, no 32-bit field in between) and draws the overlay over it.
// Its tables are made once per pair of sizes, so a frame allocates nothing.
class PixelFrameWriter {
public:
    // False when a size is below 1 or memory runs out.
    bool Prepare(const PresentSizes& sizes);
    void SetPalette(const FirePalette& palette) { PaletteToPixels(palette, m_Pixels); }
    // The frame as outputWidth x outputHeight pixels (blue, green, red, 0 in
    // memory order) into `dest`, rows `destStride` bytes apart, starting on a
    // 4-byte boundary; `overlay` is a line of text or null. Only after a
    // successful Prepare.
    void Write(const std::uint8_t* frame, const char* overlay, std::uint8_t* dest, std::ptrdiff_t destStride);

    const PresentSizes& Sizes() const { return m_Sizes; }

private:
    PresentSizes m_Sizes;
    PixelPalette m_Pixels{};
    FrameUpscaler m_Upscaler;
};
