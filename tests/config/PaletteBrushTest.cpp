// SPDX-License-Identifier: GPL-2.0-or-later
// The palette editor's brush and the mapping of mouse positions to entries.
#include "config/PaletteBrush.h"

#include <gtest/gtest.h>

namespace {
FirePalette Filled(std::uint8_t value) {
    FirePalette palette{};
    for (auto& entry : palette.entries) entry = PaletteEntry{value, value, value, 7};
    return palette;
}
}  // namespace

TEST(PaletteBrush, WeightFallsFromOneAtTheCentreToZeroAtTwentyAway) {
    EXPECT_DOUBLE_EQ(BrushWeight(0), 1.0);
    EXPECT_NEAR(BrushWeight(10), 0.125, 1e-9);
    EXPECT_NEAR(BrushWeight(-10), 0.125, 1e-9);
    EXPECT_NEAR(BrushWeight(20), 0.0, 1e-12);
    EXPECT_EQ(BrushWeight(21), 0.0);
    EXPECT_GT(BrushWeight(5), BrushWeight(6));
}

TEST(PaletteBrush, PullsFortyOneEntriesOfTheChosenChannelOnly) {
    FirePalette palette = Filled(0);
    ApplyBrush(palette, 0, 100, 200);
    EXPECT_EQ(palette.entries[100].red, 200);  // the centre is set exactly
    // An eighth of the way; the weight lands a hair under 1/8, so the step truncates to 24.
    EXPECT_EQ(palette.entries[110].red, 24);
    EXPECT_EQ(palette.entries[79].red, 0);     // outside the brush
    EXPECT_EQ(palette.entries[121].red, 0);
    EXPECT_EQ(palette.entries[100].green, 0);
    EXPECT_EQ(palette.entries[100].blue, 0);
    EXPECT_EQ(palette.entries[100].spare, 7);
}

TEST(PaletteBrush, AllChannelsMoveTogetherAndTruncateTowardZero) {
    FirePalette palette = Filled(200);
    ApplyBrush(palette, 3, 50, 0);
    EXPECT_EQ(palette.entries[50].red, 0);
    EXPECT_EQ(palette.entries[50].green, 0);
    EXPECT_EQ(palette.entries[50].blue, 0);
    EXPECT_EQ(palette.entries[60].blue, 176);  // 200 + trunc(-200 x (just under 1/8))
}

TEST(PaletteBrush, BrushAtTheEndsStaysInsideThePalette) {
    FirePalette palette = Filled(0);
    ApplyBrush(palette, 2, 0, 255);
    ApplyBrush(palette, 2, 255, 255);
    EXPECT_EQ(palette.entries[0].blue, 255);
    EXPECT_EQ(palette.entries[255].blue, 255);
}

TEST(PaletteBrush, RepeatedStrokesConvergeToTheLevel) {
    FirePalette palette = Filled(0);
    for (int k = 0; k < 200; ++k) ApplyBrush(palette, 1, 128, 90);
    EXPECT_NEAR(palette.entries[123].green, 90, 1);
}

TEST(PaletteEditorMapping, MiddleOfTheCurvesIsEntryAndLevel127) {
    int centre = -1, level = -1;
    ASSERT_EQ(PointToCentreAndLevel(150, 60, 0, 20, 300, 100, centre, level), 1);
    EXPECT_EQ(centre, 127);
    EXPECT_EQ(level, 127);
    FirePalette palette = Filled(3);
    ApplyBrush(palette, 0, centre, level);
    EXPECT_EQ(palette.entries[127].red, 127);
    EXPECT_EQ(palette.entries[127].green, 3);
}

TEST(PaletteEditorMapping, PositionsOutsideAreClampedToTheEnds) {
    int centre = -1, level = -1;
    PointToCentreAndLevel(-50, 500, 0, 20, 300, 100, centre, level);
    EXPECT_EQ(centre, 0);
    EXPECT_EQ(level, 0);
    PointToCentreAndLevel(900, -40, 0, 20, 300, 100, centre, level);
    EXPECT_EQ(centre, 255);
    EXPECT_EQ(level, 255);
}

TEST(PaletteEditorMapping, AnAreaWithoutWidthOrHeightEditsNothing) {
    int centre = 9, level = 9;
    EXPECT_EQ(PointToCentreAndLevel(5, 5, 10, 0, 10, 50, centre, level), 0);
    EXPECT_EQ(PointToCentreAndLevel(5, 5, 0, 30, 50, 20, centre, level), 0);
    EXPECT_EQ(centre, 9);
    EXPECT_EQ(level, 9);
}

TEST(PaletteEditorStrip, EntryIndexIsClampedAtBothEnds) {
    EXPECT_EQ(StripEntryIndex(2, 180), 1);      // floor(510 / 180) - 1
    EXPECT_EQ(StripEntryIndex(0, 180), 0);      // would be -1
    EXPECT_EQ(StripEntryIndex(1, 600), 0);
    EXPECT_EQ(StripEntryIndex(601, 600), 254);
    EXPECT_EQ(StripEntryIndex(700, 600), 255);  // wide strips would pass 255
    EXPECT_EQ(StripEntryIndex(1000, 600), 255);
    EXPECT_EQ(StripEntryIndex(-5, 100), 0);
    EXPECT_EQ(StripEntryIndex(10, 0), 0);
}
