// SPDX-License-Identifier: GPL-2.0-or-later
#include "run/FrameConversion.h"
#include "engine/FirePasses.h"

#include <cstring>

void CopyRows(const std::uint8_t* frame, int width, int height, std::uint8_t* dest, int stride) {
    for (int y = 0; y < height; ++y)
        std::memcpy(dest + static_cast<std::size_t>(y) * stride, frame + static_cast<std::size_t>(y) * width,
                    static_cast<std::size_t>(width));
}

void PaletteToDibColours(const FirePalette& palette, std::uint8_t* colours) {
    for (int i = 0; i < 256; ++i) {
        colours[4 * i] = palette.entries[i].blue;
        colours[4 * i + 1] = palette.entries[i].green;
        colours[4 * i + 2] = palette.entries[i].red;
        colours[4 * i + 3] = 0;
    }
}

void PaletteToPixels(const FirePalette& palette, PixelPalette& out) {
    std::uint8_t colours[1024];
    PaletteToDibColours(palette, colours);
    std::memcpy(out.pixels, colours, sizeof colours);
}

void IndexedToPixels(const std::uint8_t* indexes, int width, int height, const PixelPalette& palette,
                     std::uint8_t* dest, std::ptrdiff_t destStride, const FirePasses& passes) {
    for (int y = 0; y < height; ++y)
        passes.lookUpWords(indexes + static_cast<std::size_t>(y) * width, static_cast<std::size_t>(width),
                           palette.pixels, reinterpret_cast<std::uint32_t*>(dest + y * destStride));
}

void IndexedToBottomUpRgb(const std::uint8_t* indexes, int width, int height, const FirePalette& palette,
                          std::uint8_t* pixels) {
    PixelPalette colours;
    PaletteToPixels(palette, colours);
    const std::ptrdiff_t stride = 4 * static_cast<std::ptrdiff_t>(width);
    IndexedToPixels(indexes, width, height, colours, pixels + (height - 1) * stride, -stride);
}
