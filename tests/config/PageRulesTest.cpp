// SPDX-License-Identifier: GPL-2.0-or-later
// Value labels, the Min and Max rule, the text list of the pages and their
// members read from and written to the record.
#include "config/PageRules.h"
#include "settings/SettingIds.h"
#include "settings/Settings.h"

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

TEST(PageRules, IntSettingsStopAtTheFirstRefusalUnlessEachStandsOnItsOwn) {
    Settings record;
    record.SetInt(SettingId::FadeScreen, 40);
    record.SetInt(SettingId::CycleColors, 1);
    constexpr int kNoSuchSetting = -1;
    int fade = 0, refused = 7, cycle = 0;
    EXPECT_EQ(ReadIntSettings(record, {{SettingId::FadeScreen, fade}, {kNoSuchSetting, refused}, {SettingId::CycleColors, cycle}}), 0);
    EXPECT_EQ(fade, 40);
    EXPECT_EQ(refused, 7) << "a refused read keeps the member";
    EXPECT_EQ(cycle, 0) << "and stops the reads after it";
    const IntSetting each[] = {{SettingId::FadeScreen, fade}, {kNoSuchSetting, refused}, {SettingId::CycleColors, cycle}};
    EXPECT_EQ(ReadIntSettings(record, each, 3, true), 1);
    EXPECT_EQ(cycle, 1);

    fade = 60;
    cycle = 0;
    EXPECT_EQ(WriteIntSettings(record, {{kNoSuchSetting, refused}, {SettingId::FadeScreen, fade}}), 0);
    EXPECT_EQ(IntOf(record, SettingId::FadeScreen), 40) << "nothing after the refusal is written";
    EXPECT_EQ(WriteIntSettings(record, each, 3, true), 1);
    EXPECT_EQ(IntOf(record, SettingId::FadeScreen), 60);
    EXPECT_EQ(IntOf(record, SettingId::CycleColors), 0);
}
