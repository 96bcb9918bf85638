// SPDX-License-Identifier: GPL-2.0-or-later
// Value labels, the Min and Max rule and the text list of the pages.
#include "config/PageRules.h"

#include <gtest/gtest.h>

TEST(ValueLabels, FormatsOfTheSliderLabels) {
    EXPECT_EQ(FormatValueLabel(-7), "-7");
    EXPECT_EQ(FormatRangeLabel(70, 70), "70-70");
    EXPECT_EQ(FormatPercentOrOff(0), "Off");
    EXPECT_EQ(FormatPercentOrOff(30), "30%");
}

TEST(MinMaxRule, TheOtherSliderFollows) {
    int minimum = 70, maximum = 40;
    ApplyMinMaxRule(true, minimum, maximum);
    EXPECT_EQ(maximum, 70);
    EXPECT_EQ(FormatRangeLabel(minimum, maximum), "70-70");
    maximum = 20;
    ApplyMinMaxRule(false, minimum, maximum);
    EXPECT_EQ(minimum, 20);
    EXPECT_EQ(maximum, 20);
}

TEST(MinMaxRule, OrderedValuesStay) {
    int minimum = 10, maximum = 80;
    ApplyMinMaxRule(true, minimum, maximum);
    ApplyMinMaxRule(false, minimum, maximum);
    EXPECT_EQ(minimum, 10);
    EXPECT_EQ(maximum, 80);
}

TEST(FireTextList, LinesRoundTrip) {
    const auto lines = FireTextToLines("HELLO\nWORLD\n");
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], "HELLO");
    EXPECT_EQ(lines[1], "WORLD");
    EXPECT_EQ(LinesToFireText(lines), "HELLO\nWORLD\n");
}

TEST(FireTextList, EmptyPiecesDropAndALastPieceIsKept) {
    const auto lines = FireTextToLines("\nA\n\nB");
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(LinesToFireText(lines), "A\nB\n");
    EXPECT_TRUE(FireTextToLines("").empty());
    EXPECT_TRUE(FireTextToLines("\n\n").empty());
    EXPECT_EQ(LinesToFireText({}), "");
}

TEST(FireTextList, AppendingStopsAtTheStoredLength) {
    std::vector<std::string> lines{std::string(200, 'x')};
    EXPECT_TRUE(FitsInFireText(lines, std::string(53, 'y')));   // 201 + 54 = 255
    EXPECT_FALSE(FitsInFireText(lines, std::string(54, 'y')));
}
