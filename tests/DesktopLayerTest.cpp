// SPDX-License-Identifier: GPL-2.0-or-later
#include "engine/DesktopLayer.h"
#include "tests/TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {
// A bottom-up picture whose pixel (x, y) (y counted in memory rows) is given by `colour`.
template <class Colour>
DesktopImage Picture(int width, int height, Colour colour) {
    DesktopImage image;
    image.width = width;
    image.height = height;
    image.bgr.resize(static_cast<std::size_t>(width) * height * 3);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const std::uint8_t value = colour(x, y);
            std::fill_n(&image.bgr[(static_cast<std::size_t>(y) * width + x) * 3], 3, value);
        }
    return image;
}

int Grey(const DesktopImage& image, int x, int y) { return image.bgr[(static_cast<std::size_t>(y) * image.width + x) * 3]; }
}  // namespace

TEST(ScaleDesktop, SameSizeIsACopy) {
    const DesktopImage screen = Picture(5, 4, [](int x, int y) { return x * 40 + y; });
    EXPECT_EQ(ScaleDesktop(screen, 5, 4).bgr, screen.bgr);
}

TEST(ScaleDesktop, ShrinkingByMoreThanOneAndAHalfAveragesAreas) {
    const DesktopImage screen = Picture(8, 8, [](int x, int) { return x % 2 ? 200 : 100; });
    const DesktopImage scaled = ScaleDesktop(screen, 4, 4);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x) EXPECT_EQ(Grey(scaled, x, y), 150);
    // Three columns per target column, means truncated.
    const DesktopImage thirds = ScaleDesktop(Picture(9, 3, [](int x, int) { return x == 0 ? 2 : 0; }), 3, 1);
    EXPECT_EQ(Grey(thirds, 0, 0), 0) << "2 / 9 truncates to 0";
}

TEST(ScaleDesktop, BilinearWeightsFollowTheFixedPointRules) {
    // Magnify 2 x 1 to 4 x 1: sx = 0.5.
    const DesktopImage screen = Picture(2, 1, [](int x, int) { return x ? 200 : 0; });
    const DesktopImage scaled = ScaleDesktop(screen, 4, 1);
    // x = 0: t = -0.5, u = 0, weight = low byte of trunc(-127.5) = 129.
    EXPECT_EQ(Grey(scaled, 0, 0), (0 * (256 - 129) + 200 * 129) >> 8);
    // x = 1: t = 0, weight 0: the left pixel.
    EXPECT_EQ(Grey(scaled, 1, 0), 0);
    // x = 2: t = 0.5, weight 127.
    EXPECT_EQ(Grey(scaled, 2, 0), (200 * 127) >> 8);
    // The last column takes weight 0; its right neighbour is past the image and never read.
    EXPECT_EQ(Grey(scaled, 3, 0), 200);
}

TEST(ScaleDesktop, MagnifiesTinyAndOddPicturesWithoutReadingOutside) {
    const DesktopImage one = Picture(1, 1, [](int, int) { return 77; });
    const DesktopImage big = ScaleDesktop(one, 37, 23);
    for (int y = 0; y < 23; ++y)
        for (int x = 0; x < 37; ++x) ASSERT_EQ(Grey(big, x, y), 77);
    ScaleDesktop(Picture(100, 3, [](int x, int) { return x; }), 70, 9);  // shrink one way, grow the other
}

TEST(GreyLevels, TopRowComesFromTheLastMemoryRowAndUsesThreeBits) {
    const DesktopImage image = Picture(2, 2, [](int x, int y) { return y == 1 ? 255 : x * 32; });
    std::uint8_t layer[4];
    ConvertToGreyLevels(image, false, layer);
    EXPECT_EQ(layer[0], 7) << "layer row 0 is the top screen line, memory row 1";
    EXPECT_EQ(layer[2], 0);
    EXPECT_EQ(layer[3], 1);
}

TEST(GreyLevels, FadeBottomDarkensDownwardsAndCarriesItsRounding) {
    const int W = 16, H = 8;
    const DesktopImage white = Picture(W, H, [](int, int) { return 255; });
    std::vector<std::uint8_t> layer(W * H);
    ConvertToGreyLevels(white, true, layer.data());
    for (int x = 0; x < W; ++x) EXPECT_EQ(layer[x], 7) << "the top row keeps its level";
    for (int x = 0; x < W; ++x) EXPECT_LE(layer[(H - 1) * W + x], 1) << "the bottom row is black or nearly";
    for (int y = 1; y < H; ++y) {
        int sumAbove = 0, sum = 0;
        for (int x = 0; x < W; ++x) sumAbove += layer[(y - 1) * W + x], sum += layer[y * W + x];
        EXPECT_LE(sum, sumAbove);
    }
    // 100 / 32 = 3.125: without the carry every pixel would be 3, with it some become 4.
    const DesktopImage grey = Picture(W, H, [](int, int) { return 100; });
    ConvertToGreyLevels(grey, true, layer.data());
    EXPECT_NE(std::count(layer.begin(), layer.begin() + W, 4), 0);
}

TEST(BurnMap, FillsEveryPixelWithinRangeAndIsReproducible) {
    for (auto [w, h] : {std::pair{1, 2}, {7, 3}, {64, 48}, {101, 77}}) {
        auto run = FreshRun(4);
        std::vector<std::uint8_t> map(static_cast<std::size_t>(w) * h, 0), again(map.size(), 0);
        const std::uint32_t before = run->random.Cursor();
        BuildBurnMap(*run, map.data(), w, h);
        EXPECT_EQ(run->random.Cursor() - before, 4u) << "four corner draws from the table";
        auto rerun = FreshRun(4);
        BuildBurnMap(*rerun, again.data(), w, h);
        EXPECT_EQ(map, again);
    }
}

TEST(MixDesktop, KeepsFireInTheHighBitsAndTheDesktopInTheLow) {
    const int W = 8, H = 3;
    std::vector<std::uint8_t> fire(W * (H + 1), 0), layer(W * (H + 1) + 66, 0), out(W * H, 0xEE);
    for (int i = 0; i < W * H; ++i) fire[i] = static_cast<std::uint8_t>(16 * i);
    for (int i = 0; i < W * H; ++i) layer[i] = static_cast<std::uint8_t>(i % 8);
    MixDesktop(fire.data(), layer.data(), W, H, out.data());
    // First group: shift = fire[0] >> 2 = 0, carry 0.
    for (int x = 0; x < 4; ++x) EXPECT_EQ(out[x], (fire[x] & 0xF8) + layer[x]);
    // The last row is the fire unchanged.
    for (int x = 0; x < W; ++x) EXPECT_EQ(out[(H - 1) * W + x], fire[(H - 1) * W + x]);
}

TEST(MixDesktop, WidthsNotAMultipleOfFourCopyTheirLastPixels) {
    const int W = 6, H = 2;
    std::vector<std::uint8_t> fire(W * (H + 1), 0x7F), layer(W * (H + 1) + 66, 5), out(W * H, 0);
    MixDesktop(fire.data(), layer.data(), W, H, out.data());
    EXPECT_EQ(out[4], 0x7F);
    EXPECT_EQ(out[5], 0x7F);
    EXPECT_EQ(out[0], (0x7F & 0xF8) + 5);
}
