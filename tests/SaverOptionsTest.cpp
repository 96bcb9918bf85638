// SPDX-License-Identifier: GPL-2.0-or-later
#include "linux/SaverOptions.h"
#include "tests/TestSupport.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

namespace {
bool Parse(const std::string& line, SaverOptions& options, std::string& error) {
    std::vector<std::string> words{"emberlux"};
    std::istringstream in(line);
    for (std::string word; in >> word;) words.push_back(word);
    std::vector<const char*> argv;
    for (const std::string& word : words) argv.push_back(word.c_str());
    return ParseSaverOptions(static_cast<int>(argv.size()), argv.data(), options, error);
}

SaverOptions Parsed(const std::string& line) {
    SaverOptions options;
    std::string error;
    EXPECT_TRUE(Parse(line, options, error)) << line << ": " << error;
    return options;
}
}  // namespace

TEST(SaverOptions, TheLastOfRootWindowAndWindowIdChoosesWhereTheFireGoes) {
    EXPECT_EQ(Parsed("").mode, OutputMode::FullScreen);
    EXPECT_EQ(Parsed("--root").mode, OutputMode::Root);
    EXPECT_EQ(Parsed("-root").mode, OutputMode::Root);
    EXPECT_EQ(Parsed("--window").mode, OutputMode::Window);
    const SaverOptions preview = Parsed("-root -window-id 0x1a00003");
    EXPECT_EQ(preview.mode, OutputMode::WindowId) << "a settings dialog's preview adds the window after --root";
    EXPECT_EQ(preview.windowId, 0x1a00003ul);
    EXPECT_EQ(Parsed("--window-id 77 --root").mode, OutputMode::Root);
    EXPECT_EQ(Parsed("--window-id 77").windowId, 77ul);
}

TEST(SaverOptions, WindowIdsAreDecimalOrHex) {
    unsigned long id = 0;
    EXPECT_TRUE(ParseWindowId("4194311", id));
    EXPECT_EQ(id, 4194311ul);
    EXPECT_TRUE(ParseWindowId("0X40000A", id));
    EXPECT_EQ(id, 0x40000Aul);
    EXPECT_TRUE(ParseWindowId("0xffffffff", id));
    for (const char* bad : {"", "0", "0x", "0x0", "-5", "12ab", "0x12g", " 12", "0x100000000", "99999999999999999999"})
        EXPECT_FALSE(ParseWindowId(bad, id)) << bad;
}

TEST(SaverOptions, PacingAndFrameRate) {
    EXPECT_EQ(Parsed("").frameFloorMs, 25);
    EXPECT_FALSE(Parsed("").showFps);
    EXPECT_EQ(Parsed("--delay 0").frameFloorMs, 0);
    EXPECT_EQ(Parsed("-delay 1000 -fps").frameFloorMs, 1000);
    EXPECT_TRUE(Parsed("--fps").showFps);
    EXPECT_TRUE(Parsed("--help").help);
}

TEST(SaverOptions, SettingsComeInEitherFormInTheirOrder) {
    const SaverOptions options = Parsed("--set FireWorkCount=12 --set-WaveSpeed -30 -set-FireText a\\nb --seed -1");
    EXPECT_EQ(options.settings.assignments,
              (std::vector<std::string>{"FireWorkCount=12", "WaveSpeed=-30", "FireText=a\\nb"}));
    EXPECT_TRUE(options.settings.hasSeed);
    EXPECT_EQ(options.settings.seed, 0xFFFFFFFFu);
    const SaverOptions named = Parsed("--load Party --fps");
    EXPECT_TRUE(named.settings.namedPreset);
    EXPECT_EQ(named.settings.presetName, "Party");
    const SaverOptions current = Parsed("--load -root");
    EXPECT_TRUE(current.settings.load);
    EXPECT_FALSE(current.settings.namedPreset) << "an option after --load is no preset name";
    EXPECT_EQ(current.mode, OutputMode::Root);
}

TEST(SaverOptions, BadArgumentsAreRefusedWithOneLine) {
    ExpectEachRefusedWithOneLine<SaverOptions>(
        {"--bogus", "--window-id", "--window-id 0", "--window-id xyz", "--delay", "--delay -1", "--delay 1001",
         "--delay 2x", "--set NoSuch=1", "--set FireWorkCount=many", "--set-NoSuch 3", "--set-FireWorkCount",
         "--set-SparklesCount 1.5", "--seed", "root"},
        Parse);
}

TEST(SaverOptions, OneDashFormsLongerThanAShortStringAllCount) {
    // Their long forms do not fit in a string's own buffer: each lives on the
    // heap while the options after it are parsed (AddressSanitizer watches).
    const SaverOptions options =
        Parsed("-set-FireTextSpeed 3 -load -window-id 0x10 -set-FireWorkCount 4 -set-ExplosionSoundEnable 0");
    EXPECT_EQ(options.settings.assignments,
              (std::vector<std::string>{"FireTextSpeed=3", "FireWorkCount=4", "ExplosionSoundEnable=0"}));
    EXPECT_TRUE(options.settings.load);
    EXPECT_FALSE(options.settings.namedPreset);
    EXPECT_EQ(options.mode, OutputMode::WindowId);
    EXPECT_EQ(options.windowId, 0x10ul);
}
