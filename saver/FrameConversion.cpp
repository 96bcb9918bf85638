#include "saver/FrameConversion.h"

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

void IndexedToBottomUpRgb(const std::uint8_t* indexes, int width, int height, const FirePalette& palette,
                          std::uint8_t* pixels) {
    for (int y = 0; y < height; ++y) {
        const std::uint8_t* row = indexes + static_cast<std::size_t>(y) * width;
        std::uint8_t* out = pixels + 4 * static_cast<std::size_t>(height - 1 - y) * width;
        for (int x = 0; x < width; ++x) {
            const PaletteEntry& colour = palette.entries[row[x]];
            out[4 * x] = colour.blue;
            out[4 * x + 1] = colour.green;
            out[4 * x + 2] = colour.red;
        }
    }
}
