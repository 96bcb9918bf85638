// SPDX-License-Identifier: GPL-2.0-or-later
#include "engine/FireField.h"
#include "tests/TestSupport.h"

#include <gtest/gtest.h>

#include <vector>

TEST(AverageUpward, WrapsAtTheRowEndsAndReadsTheZeroSpareRow) {
    const int W = 4, H = 3;
    std::vector<std::uint8_t> field(W * (H + 1), 0);
    // Bottom row H - 1 = 2 holds heat; row 1 averages it, row 0 averages the new row 1.
    for (int x = 0; x < W; ++x) field[2 * W + x] = 200;
    field[1 * W + 3] = 40;  // last byte of row 1: the left neighbour of row 0, column 0
    AverageUpward(field.data(), W, H);
    // Row 1, x = 0: left neighbour is the last byte of row 1 (40, not yet updated).
    EXPECT_EQ(field[1 * W + 0], (40 + 200 + 200 + 0) >> 2);
    EXPECT_EQ(field[1 * W + 1], (200 + 200 + 200 + 0) >> 2);
    // Row 1, last column: right neighbour is the first byte of the spare row (0).
    EXPECT_EQ(field[1 * W + 3], (200 + 200 + 0 + 40) >> 2);
    // Row 0, last column: right neighbour is the first byte of row 2.
    EXPECT_EQ(field[0 * W + 3], (field[1 * W + 2] + field[1 * W + 3] + field[2 * W + 0] + 0) >> 2);
    for (int x = 0; x < W; ++x) EXPECT_EQ(field[3 * W + x], 0) << "the spare row is never written";
    for (int x = 0; x < W; ++x) EXPECT_EQ(field[2 * W + x], 200) << "the bottom row is the source, not averaged";
}

TEST(AverageUpward, HandlesTheSmallestFields) {
    std::vector<std::uint8_t> field = {100, 200, 0};  // 1 x 2 with its spare row
    AverageUpward(field.data(), 1, 2);
    EXPECT_EQ(field[0], (100 + 200 + 0 + 100) >> 2);
    EXPECT_EQ(field[2], 0);
}

TEST(FillTargetRow, ClampsHighValuesTo253AndStoresTheLowByteOfNegatives) {
    auto run = FreshRun(11);
    std::vector<std::uint8_t> row(64);
    const std::uint32_t before = run->random.Cursor();
    FillTargetRow(run->random, row.data(), 0, 64, 255, 255);
    EXPECT_EQ(run->random.Cursor() - before, 127u) << "one draw per node of the halving tree";
    for (std::uint8_t v : row) EXPECT_LE(v, 253);

    // One pixel between two ends of 255: m = 255 + (draw mod 7) - 1 is always 254 or more.
    for (int i = 0; i < 20; ++i) {
        std::uint8_t one = 0;
        FillTargetRow(run->random, &one, 0, 1, 255, 255);
        EXPECT_EQ(one, 253);
    }

    // Ends at 0 and a single pixel: m = 0 + (draw mod 7) - 1 may be -1, stored as 255.
    bool sawWrap = false;
    for (int i = 0; i < 200 && !sawWrap; ++i) {
        std::uint8_t one = 0;
        FillTargetRow(run->random, &one, 0, 1, 0, 0);
        EXPECT_TRUE(one <= 5 || one == 255);
        sawWrap = one == 255;
    }
    EXPECT_TRUE(sawWrap);
}

TEST(FeedBottom, GlidesOverSevenFramesAndOnlyRaisesTheRowAbove) {
    const int W = 3, H = 4;
    std::vector<std::uint8_t> field(W * (H + 1), 0);
    field[(H - 2) * W + 0] = 250;
    const std::uint8_t previous[W] = {0, 100, 200};
    const std::uint8_t target[W] = {255, 100, 0};
    std::uint8_t current[W];
    FeedBottom(field.data(), W, H, previous, target, current, 0);
    EXPECT_EQ(current[0], 0);
    EXPECT_EQ(current[2], (200 * 200) >> 8);
    EXPECT_EQ(field[(H - 2) * W + 0], 250) << "never lowered";
    FeedBottom(field.data(), W, H, previous, target, current, 6);
    const int v0 = 0 + (255 / 7) * 6, v2 = 200 + (-200 / 7) * 6;  // truncating division
    EXPECT_EQ(current[0], (v0 * v0) >> 8);
    EXPECT_EQ(current[1], (100 * 100) >> 8);
    EXPECT_EQ(current[2], (v2 * v2) >> 8);
    EXPECT_EQ(field[(H - 1) * W + 2], current[2]);
    EXPECT_EQ(field[(H - 2) * W + 2], (200 * 200) >> 8) << "the hotter value of the first frame stays";
}

TEST(ApplyWaves, NeverExceeds247AndStandsStillWithoutSpeed) {
    std::vector<std::uint8_t> row(320, 253), again(320, 253);
    ApplyWaves(row.data(), 320, 19, 0, 10);
    ApplyWaves(again.data(), 320, 19, 0, 99999);
    EXPECT_EQ(row, again) << "wave speed 0 leaves the envelope where it is";
    for (std::uint8_t v : row) EXPECT_LE(v, 247);

    std::vector<std::uint8_t> moving(320, 100), later(320, 100);
    ApplyWaves(moving.data(), 320, 19, 63, 10);
    ApplyWaves(later.data(), 320, 19, 63, 500);
    EXPECT_NE(moving, later);
}

TEST(ApplyWaves, AWaveLengthOfMinusTenLeavesTheRowUnchanged) {
    std::vector<std::uint8_t> row = {1, 50, 200, 253};
    const std::vector<std::uint8_t> before = row;
    ApplyWaves(row.data(), 4, -10, 63, 7);
    EXPECT_EQ(row, before);
}
