// SPDX-License-Identifier: GPL-2.0-or-later
#include "engine/GlowSpot.h"

#include <gtest/gtest.h>

#include <vector>

namespace {
constexpr int W = 20, H = 16;

struct Field {
    std::vector<std::uint8_t> pixels = std::vector<std::uint8_t>(W * H, 0);
    std::uint8_t& At(int x, int y) { return pixels[y * W + x]; }
    int Lit() const {
        int count = 0;
        for (auto p : pixels) count += p != 0;
        return count;
    }
};
}  // namespace

TEST(DrawSpot, ShapeZeroDrawsNothingAndShapeOneOnePixel) {
    Field field;
    DrawSpot(BestFirePasses(), field.pixels.data(), W, H, 5, 5, 200, 0, 0);
    EXPECT_EQ(field.Lit(), 0);
    DrawSpot(BestFirePasses(), field.pixels.data(), W, H, 5, 5, 300, 1, 0);
    EXPECT_EQ(field.At(5, 5), 300 & 255) << "plain single pixels keep the low byte";
    DrawSpot(BestFirePasses(), field.pixels.data(), W, H, 5, 5, 210, 1, 1);
    EXPECT_EQ(field.At(5, 5), 247) << "44 + 210 is cut at 247";
    EXPECT_EQ(field.Lit(), 1);
}

TEST(DrawSpot, CrossHasHalfValueArmsAndClipsAtTheEdges) {
    Field field;
    DrawSpot(BestFirePasses(), field.pixels.data(), W, H, 0, 0, 100, 2, 0);
    EXPECT_EQ(field.At(0, 0), 100);
    EXPECT_EQ(field.At(1, 0), 50);
    EXPECT_EQ(field.At(0, 1), 50);
    EXPECT_EQ(field.Lit(), 3);
    DrawSpot(BestFirePasses(), field.pixels.data(), W, H, W - 1, H - 1, 100, 2, 1);
    EXPECT_EQ(field.At(W - 1, H - 1), 100);
    EXPECT_EQ(field.At(W - 2, H - 1), 50);
    DrawSpot(BestFirePasses(), field.pixels.data(), W, H, 5, -1, 100, 2, 0);
    EXPECT_EQ(field.At(5, 0), 50) << "only the arm inside the field is drawn";
}

TEST(DrawSpot, GlowsNeedFourPixelsOfRoomOnEverySide) {
    for (int shape : {3, 5, -1}) {
        Field field;
        DrawSpot(BestFirePasses(), field.pixels.data(), W, H, 3, 8, 200, shape, 0);
        DrawSpot(BestFirePasses(), field.pixels.data(), W, H, W - 4, 8, 200, shape, 0);
        DrawSpot(BestFirePasses(), field.pixels.data(), W, H, 8, 3, 200, shape, 0);
        DrawSpot(BestFirePasses(), field.pixels.data(), W, H, 8, H - 4, 200, shape, 0);
        DrawSpot(BestFirePasses(), field.pixels.data(), W, H, 8, 8, 0, shape, 0);
        EXPECT_EQ(field.Lit(), 0) << shape;
        DrawSpot(BestFirePasses(), field.pixels.data(), W, H, 4, 4, 200, shape, 0);
        EXPECT_GT(field.Lit(), 0) << shape;
    }
}

TEST(DrawSpot, FullGlowIsTheStampCentredOnThePoint) {
    Field field;
    DrawSpot(BestFirePasses(), field.pixels.data(), W, H, 10, 8, 256, 7, 0);
    EXPECT_EQ(field.At(10, 8), 247) << "255 cut at the heat ceiling";
    EXPECT_EQ(field.At(6, 8), kGlowStamp[4][0]);
    EXPECT_EQ(field.At(10, 4), kGlowStamp[0][4]);
    EXPECT_EQ(field.At(14, 12), 0) << "a zero stamp entry is skipped";
    EXPECT_EQ(field.Lit(), 69);
}

TEST(DrawSpot, SmallGlowSitsOffCentreFromEveryOtherStampEntry) {
    Field field;
    DrawSpot(BestFirePasses(), field.pixels.data(), W, H, 10, 8, 256, 4, 0);
    EXPECT_EQ(field.At(7, 5), 0) << "stamp corner (0, 0) is zero";
    EXPECT_EQ(field.At(8, 5), kGlowStamp[0][2]);
    EXPECT_EQ(field.At(9, 7), 247);
    EXPECT_EQ(field.At(11, 9), 0) << "stamp corner (8, 8) is zero";
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x)
            if (field.At(x, y)) {
                EXPECT_GE(x, 7);
                EXPECT_LE(x, 11);
                EXPECT_GE(y, 5);
                EXPECT_LE(y, 9);
            }
}

TEST(DrawSpot, PlainGlowReplacesHotterPixelsAdditiveCutsAt247) {
    Field field;
    field.At(10, 8) = 240;
    field.At(9, 8) = 200;
    DrawSpot(BestFirePasses(), field.pixels.data(), W, H, 10, 8, 50, 5, 0);
    EXPECT_EQ(field.At(10, 8), (255 * 50) >> 8);
    EXPECT_EQ(field.At(9, 8), (255 * 50) >> 8);
    field.At(10, 8) = 240;
    DrawSpot(BestFirePasses(), field.pixels.data(), W, H, 10, 8, 50, 5, 1);
    EXPECT_EQ(field.At(10, 8), 247);
}

TEST(AddGlow, AddsTheWholeStampFromTheTopLeftCorner) {
    Field field;
    field.At(4, 4) = 100;
    AddGlow(BestFirePasses(), field.pixels.data(), W, 0, 0, 128);
    EXPECT_EQ(field.At(4, 4), 100 + ((255 * 128) >> 8));
    EXPECT_EQ(field.At(0, 4), (111 * 128) >> 8);
    EXPECT_EQ(field.At(0, 0), 0);
    AddGlow(BestFirePasses(), field.pixels.data(), W, 0, 0, 247);
    EXPECT_EQ(field.At(4, 4), 247);
}
