// SPDX-License-Identifier: GPL-2.0-or-later
#include "run/FrameRateOverlay.h"

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
}

TEST(FrameRateOverlay, TextRunningOffEveryEdgeOfATinyFrameDrawsWhatFallsInsideAndNothingElse) {
    // The text unclipped in a large frame, its box's corner at (20, 20).
    constexpr int kLarge = 200;
    std::vector<std::uint32_t> large(kLarge * kLarge, 0x11111111u);
    DrawOverlayText(large.data(), kLarge, kLarge, kLarge * 4, 20, 20, 3, "fps 99.9");
    // The same text with its corner at (-14, -18) of a 3 x 3 frame, which lies
    // in a 7 x 7 block of guard pixels: the frame shows the large frame's
    // pixels from (34, 38) on (the stem of the "f" and the box left of it),
    // and no guard pixel changes.
    constexpr int kBlock = 7, kGuard = 0x22222222;
    std::vector<std::uint32_t> block(kBlock * kBlock, kGuard);
    std::uint32_t* tiny = block.data() + 2 * kBlock + 2;
    DrawOverlayText(tiny, 3, 3, kBlock * 4, -14, -18, 3, "fps 99.9");
    int ink = 0;
    for (int y = 0; y < kBlock; ++y)
        for (int x = 0; x < kBlock; ++x) {
            const bool inside = x >= 2 && x < 5 && y >= 2 && y < 5;
            const std::uint32_t expected = inside ? large[(38 + y - 2) * kLarge + 34 + x - 2] : kGuard;
            EXPECT_EQ(block[y * kBlock + x], expected) << "at (" << x - 2 << ", " << y - 2 << ") of the frame";
            ink += inside && block[y * kBlock + x] == 0xFFFFFFFFu;
        }
    EXPECT_GT(ink, 0) << "part of a letter falls inside";
    EXPECT_LT(ink, 9) << "and part of the box around it";
    // The overlay's box starts at (4, 4), beyond the frame: nothing changes.
    const std::vector<std::uint32_t> before = block;
    DrawOverlay(tiny, 3, 3, kBlock * 4, "40.0 fps, MIT-SHM");
    EXPECT_EQ(block, before);
}

TEST(FrameRateOverlay, TheLineNamesTheRateAndTheWayAndFitsItsBuffer) {
    char text[32];
    FormatFrameRate(39.96, "MIT-SHM", text, sizeof text);
    EXPECT_STREQ(text, "40.0 fps, MIT-SHM");
    char small[12];
    FormatFrameRate(1234.5, "XPutImage", small, sizeof small);
    EXPECT_STREQ(small, "1234.5 fps,");
}
