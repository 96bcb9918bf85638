// SPDX-License-Identifier: GPL-2.0-or-later
#include "saver/FrameRateOverlay.h"

#include <gtest/gtest.h>

#include <vector>

TEST(FrameRateMeter, CountsTheFramesOfEachWholeSecond) {
    FrameRateMeter meter;
    for (long long t = 0; t < 1000; t += 25) meter.CountFrame(5000 + t);
    EXPECT_EQ(meter.Rate(), 0) << "no second has passed yet";
    meter.CountFrame(6000);
    EXPECT_DOUBLE_EQ(meter.Rate(), 41.0);
    meter.CountFrame(6500);
    meter.CountFrame(8000);
    EXPECT_DOUBLE_EQ(meter.Rate(), 1.0) << "two frames over two seconds";
}

TEST(FrameRateOverlay, TextIsInkOnABoxAndStaysInsideTheFrame) {
    const int width = 40, height = 20, pitch = 48 * 4;
    std::vector<std::uint32_t> pixels(48 * height, 0x11111111u);
    DrawOverlayText(pixels.data(), width, height, pitch, 2, 1, 1, "88");
    int ink = 0, paper = 0;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < 48; ++x) {
            const std::uint32_t pixel = pixels[y * 48 + x];
            if (x >= width) {
                EXPECT_EQ(pixel, 0x11111111u) << "beyond the width, in the row's padding";
            }
            ink += pixel == 0xFFFFFFFFu;
            paper += pixel == 0xFF000000u;
        }
    EXPECT_GT(ink, 20) << "two eights are drawn";
    EXPECT_GT(paper, ink);
    EXPECT_EQ(pixels[0], 0x11111111u) << "the box starts at (2, 1)";
    // Text running off every edge of a tiny frame draws only what fits.
    std::vector<std::uint32_t> tiny(3 * 3, 0);
    DrawOverlayText(tiny.data(), 3, 3, 3 * 4, -5, -5, 3, "fps 99.9");
    DrawOverlay(tiny.data(), 3, 3, 3 * 4, "40.0 fps, MIT-SHM");
}

TEST(FrameRateOverlay, TheLineNamesTheRateAndTheWayAndFitsItsBuffer) {
    char text[32];
    FormatFrameRate(39.96, "MIT-SHM", text, sizeof text);
    EXPECT_STREQ(text, "40.0 fps, MIT-SHM");
    char small[12];
    FormatFrameRate(1234.5, "XPutImage", small, sizeof small);
    EXPECT_STREQ(small, "1234.5 fps,");
}
