// SPDX-License-Identifier: GPL-2.0-or-later
// Names typed for palette files and presets, and the preset list's selection.
#include "config/NameRules.h"

#include <gtest/gtest.h>

TEST(PaletteNames, LettersDigitsAndSpacesOnly) {
    std::string why;
    EXPECT_EQ(CheckPaletteName("Sunset 2", why), 1);
    for (const char* bad : {"", "   ", "a:b", "..\\evil", "x/y", "dot.pal", "caf\xe9"}) {
        why.clear();
        EXPECT_EQ(CheckPaletteName(bad, why), 0) << bad;
        EXPECT_FALSE(why.empty()) << bad;
    }
}

TEST(PaletteNames, ReservedDeviceNamesAndOverlongNamesAreRefused) {
    std::string why;
    for (const char* bad : {"CON", "nul", "Com1", "LPT9 ", "aux"}) EXPECT_EQ(CheckPaletteName(bad, why), 0) << bad;
    EXPECT_EQ(CheckPaletteName("CONSOLE", why), 1);
    EXPECT_EQ(CheckPaletteName("COM0", why), 1);
    EXPECT_EQ(CheckPaletteName(std::string(kMaxPaletteNameLength + 1, 'a'), why), 0);
}

TEST(PresetNames, BackslashIsRefused) {
    std::string why;
    EXPECT_EQ(CheckPresetName("Night fire", why), 1);
    EXPECT_EQ(CheckPresetName("", why), 1);  // the default preset
    EXPECT_EQ(CheckPresetName("a\\b", why), 0);
    EXPECT_NE(why.find("backslash"), std::string::npos);
    EXPECT_EQ(CheckPresetName("trailing\\", why), 0);
}

TEST(PresetList, SelectsTheFirstEntryBeginningWithTheName) {
    const std::vector<std::string> entries{kDefaultPresetEntry, "Blue", "Bluish", "red"};
    EXPECT_EQ(PresetEntryToSelect(entries, ""), 0);
    EXPECT_EQ(PresetEntryToSelect(entries, "RED"), 3);
    EXPECT_EQ(PresetEntryToSelect(entries, "Blu"), 1);
    EXPECT_EQ(PresetEntryToSelect(entries, "Green"), -1);
    EXPECT_EQ(PresetEntryToSelect({kDefaultPresetEntry}, ""), 0);
}

TEST(PresetList, TheDefaultEntryStandsForTheEmptyName) {
    EXPECT_EQ(PresetNameOfEntry(kDefaultPresetEntry), "");
    EXPECT_EQ(PresetNameOfEntry("-- default --"), "-- default --");
    EXPECT_EQ(PresetNameOfEntry("Blue"), "Blue");
}
