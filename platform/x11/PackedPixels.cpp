// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/x11/PackedPixels.h"

#include <new>

namespace {
// One colour channel of a pixel: where its bits sit and their largest value.
struct Channel {
    explicit Channel(std::uint32_t mask) : mask(mask) {
        while (!((mask >> shift) & 1)) ++shift;
        top = mask >> shift;
    }
    // The channel's value in `pixel`, scaled to 0..255.
    std::uint8_t Of(std::uint32_t pixel) const {
        return static_cast<std::uint8_t>(((pixel & mask) >> shift) * 255u / top);
    }
    std::uint32_t mask;
    int shift = 0;
    std::uint32_t top = 1;
};

std::uint32_t ReadPixel(const std::uint8_t* p, int bytes, bool msbFirst) {
    std::uint32_t value = 0;
    for (int i = 0; i < bytes; ++i) {
        const int shift = 8 * (msbFirst ? bytes - 1 - i : i);
        value |= static_cast<std::uint32_t>(p[i]) << shift;
    }
    return value;
}
}  // namespace

bool PackedPixelsToDesktop(const PackedPixels& pixels, DesktopImage& image) {
    const int bytes = pixels.bitsPerPixel / 8;
    if ((pixels.bitsPerPixel != 16 && pixels.bitsPerPixel != 24 && pixels.bitsPerPixel != 32) || !pixels.redMask ||
        !pixels.greenMask || !pixels.blueMask || pixels.width < 1 || pixels.height < 1 ||
        pixels.bytesPerLine < pixels.width * bytes || !pixels.data)
        return false;
    try {
        image.bgr.assign(static_cast<std::size_t>(pixels.width) * pixels.height * 3, 0);
    } catch (const std::bad_alloc&) {
        return false;
    }
    image.width = pixels.width;
    image.height = pixels.height;
    const Channel red(pixels.redMask), green(pixels.greenMask), blue(pixels.blueMask);
    for (int y = 0; y < pixels.height; ++y) {
        const std::uint8_t* in = pixels.data + static_cast<std::size_t>(y) * pixels.bytesPerLine;
        std::uint8_t* out = &image.bgr[static_cast<std::size_t>(pixels.height - 1 - y) * pixels.width * 3];
        for (int x = 0; x < pixels.width; ++x, in += bytes, out += 3) {
            const std::uint32_t pixel = ReadPixel(in, bytes, pixels.mostSignificantByteFirst);
            out[0] = blue.Of(pixel);
            out[1] = green.Of(pixel);
            out[2] = red.Of(pixel);
        }
    }
    return true;
}
