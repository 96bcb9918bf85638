// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/x11/PackedPixels.h"

#include <gtest/gtest.h>

#include <vector>

namespace {
PackedPixels Rows(const std::vector<std::uint8_t>& data, int width, int height, int bytesPerLine, int bitsPerPixel,
                  std::uint32_t red, std::uint32_t green, std::uint32_t blue) {
    PackedPixels pixels;
    pixels.data = data.data();
    pixels.width = width;
    pixels.height = height;
    pixels.bytesPerLine = bytesPerLine;
    pixels.bitsPerPixel = bitsPerPixel;
    pixels.redMask = red;
    pixels.greenMask = green;
    pixels.blueMask = blue;
    return pixels;
}
}  // namespace

TEST(PackedPixels, ThirtyTwoAndTwentyFourBitRowsBecomeABottomUpPhotograph) {
    // 2 x 2, 32 bits little-endian 0x00RRGGBB, rows 12 bytes apart.
    const std::vector<std::uint8_t> rows = {0x03, 0x02, 0x01, 0, 0x30, 0x20, 0x10, 0, 0xEE, 0xEE, 0xEE, 0xEE,
                                            0x06, 0x05, 0x04, 0, 0x60, 0x50, 0x40, 0, 0xEE, 0xEE, 0xEE, 0xEE};
    PackedPixels pixels = Rows(rows, 2, 2, 12, 32, 0xFF0000, 0xFF00, 0xFF);
    DesktopImage image;
    ASSERT_TRUE(PackedPixelsToDesktop(pixels, image));
    EXPECT_EQ(image.bgr, (std::vector<std::uint8_t>{6, 5, 4, 0x60, 0x50, 0x40, 3, 2, 1, 0x30, 0x20, 0x10}))
        << "the bottom row comes first, blue green red";

    // The same two pixels of the top row, 24 bits, most significant byte first.
    const std::vector<std::uint8_t> packed = {0x01, 0x02, 0x03, 0x10, 0x20, 0x30};
    pixels.data = packed.data();
    pixels.height = 1;
    pixels.bytesPerLine = 6;
    pixels.bitsPerPixel = 24;
    pixels.mostSignificantByteFirst = true;
    ASSERT_TRUE(PackedPixelsToDesktop(pixels, image));
    EXPECT_EQ(image.bgr, (std::vector<std::uint8_t>{3, 2, 1, 0x30, 0x20, 0x10}));
}

TEST(PackedPixels, SixteenBitChannelsAreScaledToFullRange) {
    const std::vector<std::uint8_t> rgb565 = {0xFF, 0xFF, 0x00, 0xF8, 0x1F, 0x00};  // white, red, blue
    const PackedPixels pixels = Rows(rgb565, 3, 1, 6, 16, 0xF800, 0x07E0, 0x001F);
    DesktopImage image;
    ASSERT_TRUE(PackedPixelsToDesktop(pixels, image));
    EXPECT_EQ(image.bgr, (std::vector<std::uint8_t>{255, 255, 255, 0, 0, 255, 255, 0, 0}));

    PackedPixels bad = pixels;
    bad.bitsPerPixel = 8;
    EXPECT_FALSE(PackedPixelsToDesktop(bad, image));
    bad = pixels;
    bad.greenMask = 0;
    EXPECT_FALSE(PackedPixelsToDesktop(bad, image));
    bad = pixels;
    bad.bytesPerLine = 4;
    EXPECT_FALSE(PackedPixelsToDesktop(bad, image)) << "rows shorter than the width";
}
