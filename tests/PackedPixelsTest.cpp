#include "platform/x11/PackedPixels.h"

#include <gtest/gtest.h>

#include <vector>

TEST(PackedPixels, ThirtyTwoAndTwentyFourBitRowsBecomeABottomUpPhotograph) {
    // 2 x 2, 32 bits little-endian 0x00RRGGBB, rows 12 bytes apart.
    const std::vector<std::uint8_t> rows = {0x03, 0x02, 0x01, 0, 0x30, 0x20, 0x10, 0, 0xEE, 0xEE, 0xEE, 0xEE,
                                            0x06, 0x05, 0x04, 0, 0x60, 0x50, 0x40, 0, 0xEE, 0xEE, 0xEE, 0xEE};
    PackedPixels pixels;
    pixels.data = rows.data();
    pixels.width = pixels.height = 2;
    pixels.bytesPerLine = 12;
    pixels.bitsPerPixel = 32;
    pixels.redMask = 0xFF0000;
    pixels.greenMask = 0xFF00;
    pixels.blueMask = 0xFF;
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
    PackedPixels pixels;
    pixels.data = rgb565.data();
    pixels.width = 3;
    pixels.height = 1;
    pixels.bytesPerLine = 6;
    pixels.bitsPerPixel = 16;
    pixels.redMask = 0xF800;
    pixels.greenMask = 0x07E0;
    pixels.blueMask = 0x001F;
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
