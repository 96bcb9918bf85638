// SPDX-License-Identifier: GPL-2.0-or-later
// Pixel sizes of the configuration dialogs at the DPI of their monitor.
#include "config/DpiRules.h"

#include <gtest/gtest.h>

TEST(DpiScale, MarginsGrowWithTheDpiAndRoundToNearest) {
    const int dpis[] = {96, 120, 144, 192};
    const int margin13[] = {13, 16, 20, 26}, margin7[] = {7, 9, 11, 14}, button18[] = {18, 23, 27, 36};
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(ScaleToDpi(13, dpis[k]), margin13[k]) << dpis[k];
        EXPECT_EQ(ScaleToDpi(7, dpis[k]), margin7[k]) << dpis[k];
        EXPECT_EQ(ScaleToDpi(18, dpis[k]), button18[k]) << dpis[k];
    }
    EXPECT_EQ(ScaleToDpi(-7, 120), -9);  // symmetric about zero
}

TEST(DpiScale, UnknownDpiCountsAs96AndLargeValuesDoNotOverflow) {
    EXPECT_EQ(ScaleToDpi(20, 0), 20);
    EXPECT_EQ(ScaleToDpi(20, -144), 20);
    EXPECT_EQ(ScaleToDpi(3000000, 960), 30000000);
}

TEST(ImageSides, LargestNotAboveTheWantedSideElseTheSmallest) {
    const int sides[] = {32, 16, 48, 24};  // in any order
    EXPECT_EQ(PickImageSide(sides, 4, 24), 24);
    EXPECT_EQ(PickImageSide(sides, 4, 28), 24);  // never blown up
    EXPECT_EQ(PickImageSide(sides, 4, 100), 48);
    EXPECT_EQ(PickImageSide(sides, 4, 12), 16);  // all too large: the smallest
    EXPECT_EQ(PickImageSide(sides, 0, 24), 0);
}

TEST(ImageSides, ToolStripsForTheCommonScalings) {
    const struct {
        int dpi, side;
    } cases[] = {{96, 16}, {120, 20}, {144, 24}, {168, 24}, {192, 32}, {240, 40}, {288, 48}, {384, 48}, {72, 16}};
    for (const auto& c : cases)
        EXPECT_EQ(PickImageSide(kToolImageSides, kToolImageSideCount, ScaleToDpi(16, c.dpi)), c.side) << c.dpi;
    // The numbers the resource script gives the strips.
    EXPECT_EQ(ToolStripResource(182, 16), 182);
    EXPECT_EQ(ToolStripResource(183, 24), 18324);
}
