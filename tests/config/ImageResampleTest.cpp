// SPDX-License-Identifier: GPL-2.0-or-later
// Smooth resizing of the page icons' drawings.
#include "config/ImageResample.h"

#include <gtest/gtest.h>

#include <vector>

namespace {
std::vector<std::uint32_t> Resized(const std::vector<std::uint32_t>& source, int side, int newSide) {
    std::vector<std::uint32_t> target(static_cast<std::size_t>(newSide) * newSide, 0xDEADBEEF);
    ResampleSquare(source.data(), side, target.data(), newSide);
    return target;
}

int Alpha(std::uint32_t pixel) { return static_cast<int>(pixel >> 24); }
}  // namespace

TEST(ImageResample, UniformPictureKeepsItsColourAtAnySize) {
    const std::vector<std::uint32_t> plain(96 * 96, 0xFF2080C0);
    for (int side : {1, 13, 33, 38, 48, 60, 96, 150})
        for (std::uint32_t pixel : Resized(plain, 96, side)) ASSERT_EQ(pixel, 0xFF2080C0u) << side;
}

TEST(ImageResample, HalvingAveragesEachBlockOfFour) {
    // Columns alternate black and white: each target pixel covers one of each.
    std::vector<std::uint32_t> stripes(4 * 4);
    for (int k = 0; k < 16; ++k) stripes[k] = k % 2 ? 0xFFFFFFFF : 0xFF000000;
    for (std::uint32_t pixel : Resized(stripes, 4, 2)) EXPECT_EQ(pixel, 0xFF808080u);  // 127.5 rounds up
}

TEST(ImageResample, TransparentPixelsLendNoColour) {
    // Left half opaque red, right half transparent blue: the middle column of
    // an odd target size is half covered, still pure red.
    std::vector<std::uint32_t> half(8 * 8);
    for (int k = 0; k < 64; ++k) half[k] = k % 8 < 4 ? 0xFFFF0000 : 0x000000FF;
    const std::vector<std::uint32_t> out = Resized(half, 8, 3);
    for (int row = 0; row < 3; ++row) {
        EXPECT_EQ(out[row * 3 + 0], 0xFFFF0000u);
        EXPECT_EQ(out[row * 3 + 1], 0x80FF0000u);
        EXPECT_EQ(out[row * 3 + 2], 0u);
    }
}

TEST(ImageResample, CoverageOfAShapeIsKept) {
    // A soft disc: its total alpha, relative to the area, survives shrinking.
    const int side = 96;
    std::vector<std::uint32_t> disc(side * side);
    long long sum = 0;
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x) {
            const int dx = 2 * x + 1 - side, dy = 2 * y + 1 - side;
            const int a = dx * dx + dy * dy < side * side * 3 / 4 ? 255 : 0;
            disc[y * side + x] = static_cast<std::uint32_t>(a) << 24 | 0xFF8000;
            sum += a;
        }
    for (int newSide : {33, 48, 60}) {
        long long newSum = 0;
        for (std::uint32_t pixel : Resized(disc, side, newSide)) newSum += Alpha(pixel);
        EXPECT_NEAR(static_cast<double>(newSum) / (newSide * newSide), static_cast<double>(sum) / (side * side), 0.5)
            << newSide;
    }
}

TEST(ImageResample, NoSideLeavesTheTargetAlone) {
    const std::vector<std::uint32_t> one(1, 0xFFFFFFFF);
    std::uint32_t target = 7;
    ResampleSquare(one.data(), 0, &target, 1);
    ResampleSquare(one.data(), 1, &target, 0);
    EXPECT_EQ(target, 7u);
}
