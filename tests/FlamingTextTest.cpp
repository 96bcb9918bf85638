// SPDX-License-Identifier: GPL-2.0-or-later
#include "engine/FlamingText.h"
#include "platform/OemText.h"
#include "tests/TestSupport.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {
constexpr FlamingTextOptions kRing{50, 1, 1, 0};

int Lit(const FieldSource& source) {
    int count = 0;
    for (std::uint8_t p : source.field) count += p != 0;
    return count;
}
}  // namespace

namespace {
// A field of 100 x 80 in a new run for the text to burn in.
class FlamingText : public testing::Test {
protected:
    FieldSource source{1, 100, 80};
};
}  // namespace

TEST_F(FlamingText, SplitsAtLineFeedsAndDropsEmptyLines) {
    CFlamingText text(&source, "first\n\nsecond\r\nlast", kWesternFontId, kRing);
    EXPECT_EQ(text.Lines(), (std::vector<std::string>{"first", "second\r", "last"}));
    CFlamingText empty(&source, "\n\n\n", kWesternFontId, kRing);
    EXPECT_TRUE(empty.Lines().empty());
}

TEST_F(FlamingText, SpeedSetsThePhaseStepAndTheWanderingPathIsSlower) {
    EXPECT_DOUBLE_EQ(CFlamingText(&source, "a\n", kWesternFontId, kRing).PhaseStep(), 50 * 0.02 * 0.007);
    EXPECT_DOUBLE_EQ(CFlamingText(&source, "a\n", kWesternFontId, {50, 1, 2, 0}).PhaseStep(), 11 * 0.02 * 0.007);
    EXPECT_DOUBLE_EQ(CFlamingText(&source, "a\n", kWesternFontId, {2, 1, 2, 0}).PhaseStep(), 1 * 0.02 * 0.007)
        << "the wandering path moves at least at speed 1";
}

TEST_F(FlamingText, TheRingSwitchesLinesOncePerTurn) {
    CFlamingText text(&source, "one\ntwo\n", kWesternFontId, kRing);
    text.Start();
    EXPECT_EQ(text.CurrentLine(), "one");
    for (int i = 0; i < 896; ++i) text.Advance();
    EXPECT_EQ(text.CurrentLine(), "one");
    text.Advance();
    EXPECT_EQ(text.CurrentLine(), "two") << "speed 50 on the ring switches every 897 frames";
    for (int i = 0; i < 897; ++i) text.Advance();
    EXPECT_EQ(text.CurrentLine(), "one") << "serial order wraps";
}

TEST_F(FlamingText, ACounterInheritedAboveTheThresholdStillSwitches) {
    CFlamingText slow(&source, "a\nb\n", kWesternFontId, {1, 1, 1, 0});
    slow.Start();
    for (int i = 0; i < 2000; ++i) slow.Advance();
    CFlamingText fast(&source, "one\ntwo\n", kWesternFontId, {100, 1, 1, 0});
    fast.Start();
    fast.Advance();
    EXPECT_EQ(fast.CurrentLine(), "two");
}

TEST_F(FlamingText, SpeedZeroNeverTurnsNorSwitches) {
    CFlamingText text(&source, "one\ntwo\n", kWesternFontId, {0, 1, 1, 0});
    text.Start();
    for (int i = 0; i < 5000; ++i) text.Advance();
    EXPECT_EQ(text.CurrentLine(), "one");
    EXPECT_EQ(text.Phase(), 0);
    CFlamingText backwards(&source, "one\ntwo\n", kWesternFontId, {-20, 1, 1, 0});
    backwards.Start();
    for (int i = 0; i < 5000; ++i) backwards.Advance();
    EXPECT_EQ(backwards.CurrentLine(), "one") << "a negative step never switches either";
}

TEST_F(FlamingText, RandomModeWithOneLineStaysAndTakesItsDraws) {
    CFlamingText text(&source, "only\n", kWesternFontId, {100, 1, 1, 1});
    const std::uint32_t before = source.Shared().random.Cursor();
    text.Start();
    EXPECT_EQ(source.Shared().random.Cursor(), before + 1);
    for (int i = 0; i < 1000; ++i) text.Advance();
    EXPECT_EQ(text.CurrentLine(), "only");
}

TEST_F(FlamingText, ATextOfOnlyLineFeedsDrawsNothing) {
    CFlamingText ring(&source, "\n\n", kWesternFontId, {100, 0, 1, 1});
    std::uint32_t before = source.Shared().random.Cursor();
    ring.Start();
    ring.Advance();
    ring.Draw();
    EXPECT_EQ(source.Shared().random.Cursor(), before) << "no line to choose, nothing to draw";
    CFlamingText wandering(&source, "\n", kWesternFontId, {100, 0, 2, 1});
    before = source.Shared().random.Cursor();
    wandering.Start();
    EXPECT_EQ(source.Shared().random.Cursor(), before + 1) << "the wandering path still takes its phase draw";
    wandering.Draw();
    EXPECT_EQ(Lit(source), 0);
}

TEST_F(FlamingText, AMissingFontGivesBlankGlyphs) {
    FieldSource wide(1, 200, 150);
    CFlamingText text(&wide, "Fire\n", 4242, {50, 0, 1, 0});
    text.Start();
    const std::uint32_t before = wide.Shared().random.Cursor();
    text.Draw();
    EXPECT_EQ(Lit(wide), 0);
    EXPECT_EQ(wide.Shared().random.Cursor(), before);
}

TEST_F(FlamingText, EveryBurnTypeDrawsALetterAndOthersDrawNothing) {
    for (int burnType : {0, 1, 2, 7}) {
        FieldSource wide(1, 300, 200);
        CFlamingText text(&wide, "Fire\n", kWesternFontId, {50, burnType, burnType == 2 ? 2 : 1, 0});
        text.Start();
        if (burnType == 7) {
            text.Draw();
            EXPECT_EQ(Lit(wide), 0) << "an unknown burn type draws nothing";
            continue;
        }
        text.Advance();
        text.Draw();
        EXPECT_GT(Lit(wide), 20) << burnType;
        for (int x = 0; x < 300; ++x) ASSERT_EQ(wide.At(x, 200), 0) << "nothing below the field";
    }
}

TEST_F(FlamingText, TheOutlineTestTreatsTheGlyphsEdgesAsOutline) {
    std::uint8_t block[16];
    for (std::uint8_t& row : block) row = 0xFF;
    EXPECT_TRUE(IsLetterInterior(block, 5, 3));
    EXPECT_FALSE(IsLetterInterior(block, 0, 3)) << "top row";
    EXPECT_FALSE(IsLetterInterior(block, 15, 3)) << "bottom row";
    EXPECT_FALSE(IsLetterInterior(block, 5, 0)) << "left column";
    EXPECT_FALSE(IsLetterInterior(block, 5, 7)) << "right column";
    block[4] = 0xEF;  // a hole above (5, 3)
    EXPECT_FALSE(IsLetterInterior(block, 5, 3));
    EXPECT_TRUE(IsLetterInterior(block, 5, 1));
}

TEST(OemText, CyrillicLanguagesChooseTheCyrillicFont) {
    EXPECT_TRUE(IsCyrillicLanguageId("0419"));
    EXPECT_TRUE(IsCyrillicLanguageId("0C1A"));
    EXPECT_TRUE(IsCyrillicLanguageId("0422"));
    EXPECT_FALSE(IsCyrillicLanguageId("0409"));
    EXPECT_TRUE(IsCyrillicLocaleName("ru_RU.UTF-8"));
    EXPECT_TRUE(IsCyrillicLocaleName("uk_UA"));
    EXPECT_TRUE(IsCyrillicLocaleName("be_BY.UTF-8"));
    EXPECT_TRUE(IsCyrillicLocaleName("sr_RS"));
    EXPECT_FALSE(IsCyrillicLocaleName("sr_RS@latin"));
    EXPECT_FALSE(IsCyrillicLocaleName("en_GB.UTF-8"));
    EXPECT_FALSE(IsCyrillicLocaleName("C"));
}

#ifndef _WIN32
TEST(OemText, Utf8TextIsConvertedToTheChosenCodePage) {
    const char* saved = std::getenv("LC_ALL");
    const std::string previous = saved ? saved : "";
    setenv("LC_ALL", "ru_RU.UTF-8", 1);
    const OemText russian = ConvertToOemText("Мир \xE2\x82\xAC!");
    EXPECT_EQ(russian.fontId, kCyrillicFontId);
    EXPECT_EQ(russian.text, "\x8C\xA8\xE0 ?!") << "the euro sign is not in code page 866";
    setenv("LC_ALL", "en_US.UTF-8", 1);
    const OemText western = ConvertToOemText("Caf\xC3\xA9 \xD0\x9C \xFF");
    EXPECT_EQ(western.fontId, kWesternFontId);
    EXPECT_EQ(western.text, "Caf\x82 ? ?");
    if (saved) setenv("LC_ALL", previous.c_str(), 1);
    else unsetenv("LC_ALL");
}
#endif
