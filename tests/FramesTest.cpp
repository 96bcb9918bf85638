// SPDX-License-Identifier: GPL-2.0-or-later
#include "settings/MemoryRegistry.h"
#include "settings/RegistryStore.h"
#include "tools/frames/FramesRun.h"
#include "tools/frames/PpmImage.h"
#include "tests/TestSupport.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace {
std::vector<std::string> Words(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> words{"emberlux-frames"};
    for (std::string word; in >> word;) {
        if (word.rfind("DATA/", 0) == 0) word = TestDataPath(word.substr(5));
        if (word == "NEWCACHE") word = FreshTestFolder("cache");
        words.push_back(word);
    }
    return words;
}

bool Parse(const std::string& line, FramesOptions& options, std::string& error) {
    const std::vector<std::string> words = Words(line);
    std::vector<const char*> argv;
    for (const std::string& word : words) argv.push_back(word.c_str());
    return ParseFramesArguments(static_cast<int>(argv.size()), argv.data(), options, error);
}

// Runs the renderer in this process and returns its hash lines.
std::string HashLines(const std::string& line) {
    FramesOptions options;
    std::string error;
    EXPECT_TRUE(Parse(line, options, error)) << error;
    const std::string path = FreshTestFolder("hashes") + "hashes.txt";
    std::FILE* out = std::fopen(path.c_str(), "wb");
    EXPECT_NE(out, nullptr);
    EXPECT_EQ(RunFrames(options, out), 0);
    std::fclose(out);
    return ReadWholeFile(path);
}

struct Expected {
    const char* file;
    const char* arguments;  // DATA stands for the test data folder
};

// Vectors from an independent model of the engine.
const Expected kReferenceVectors[] = {
    {"vectors/core-default.txt", "--size 160x120 --frames 100 --seed 1 --set TransitionOn=0 --set OlympicRings=0 --hash"},
    {"vectors/core-desktop.txt",
     "--size 96x64 --frames 80 --seed 8 --set TransitionOn=0 --set OlympicRings=0 --set FadeBottom=1 "
     "--set FadeScreen=60 --desktop DATA/vectors/desktop-96x64.ppm --hash"},
    {"vectors/core-cycling.txt",
     "--size 128x96 --frames 80 --seed 2 --set TransitionOn=0 --set OlympicRings=0 --set CycleColors=1 "
     "--set FadeScreen=0 --set WaveSpeed=-30 --set FireBallCount=12 --hash"},
    {"vectors/new-year.txt", "--size 64x48 --frames 800 --seed 9 --set TransitionOn=0 --set FireWorkCount=3 --hash"},
};

// Our own goldens; the commands that made them are in golden/README.md.
const Expected kGoldenRuns[] = {
    {"golden/fireworks-burn-cycling.txt",
     "--size 200x150 --frames 160 --seed 42 --set TransitionOn=0 --set OlympicRings=0 --set FireWorkCount=10 "
     "--set CycleColors=1 --hash"},
    {"golden/desktop-magnified.txt",
     "--size 150x100 --frames 40 --seed 5 --set TransitionOn=0 --set OlympicRings=0 --set FadeScreen=100 "
     "--desktop DATA/vectors/desktop-96x64.ppm --hash"},
    {"golden/full-default-320x240.txt", "--size 320x240 --frames 120 --seed 7 --cache-dir NEWCACHE --hash"},
    {"golden/full-default-text-200x150.txt",
     "--size 200x150 --frames 150 --seed 8 --cache-dir NEWCACHE --set FireText=Emberlux\\nFire --set FireTextOrbit=2 "
     "--set FadeScreen=40 --desktop DATA/vectors/desktop-96x64.ppm --hash"},
    {"golden/desktop-reduced.txt",
     "--size 45x30 --frames 40 --seed 6 --set TransitionOn=0 --set OlympicRings=0 --set FadeScreen=30 "
     "--set FadeBottom=1 --desktop DATA/vectors/desktop-96x64.ppm --hash"},
};
}  // namespace

TEST(ReferenceVectors, TheRendererPrintsExactlyTheIndependentModelsLines) {
    for (const Expected& vector : kReferenceVectors)
        EXPECT_EQ(HashLines(vector.arguments), ReadWholeFile(TestDataPath(vector.file))) << vector.file;
}

TEST(GoldenFrames, OurOwnRunsAreUnchanged) {
    for (const Expected& golden : kGoldenRuns)
        EXPECT_EQ(HashLines(golden.arguments), ReadWholeFile(TestDataPath(golden.file))) << golden.file;
}

TEST(FramesArguments, SettingsStartFromLoadDefaultsAndSetsApplyInOrder) {
    FramesOptions options;
    std::string error;
    ASSERT_TRUE(Parse("--size 64x32 --frames 3 --set FireText=a\\nb --set XRes=70 --set FireBallInFireWorkMax=2 "
                      "--set FireBallInFireWorkMin=9 --set WaveSpeed=-7",
                      options, error))
        << error;
    int value = 0;
    std::string text;
    options.settings.GetInt(SettingId::XRes, value);
    EXPECT_EQ(value, 70);
    EXPECT_EQ(options.width, 70);
    options.settings.GetInt(SettingId::FireBallInFireWorkMax, value);
    EXPECT_EQ(value, 9) << "burst bounds are exchanged";
    options.settings.GetInt(SettingId::WaveSpeed, value);
    EXPECT_EQ(value, -7);
    options.settings.GetString(SettingId::FireText, text);
    EXPECT_EQ(text, "a\nb");
    options.settings.GetString(SettingId::CurrentPreset, text);
    EXPECT_EQ(text, "");
    options.settings.GetInt(SettingId::FireWorkCount, value);
    EXPECT_EQ(value, 6);
    EXPECT_FALSE(options.forcePasses) << "the widest passes unless told";

    ASSERT_TRUE(Parse("--size 8x8 --frames 1 --passes scalar", options, error)) << error;
    EXPECT_TRUE(options.forcePasses);
    EXPECT_EQ(options.passes, PassLevel::Scalar);
}

TEST(FramesArguments, BadInputIsRefusedWithOneLine) {
    ExpectEachRefusedWithOneLine<FramesOptions>(
        {"--size 0x10 --frames 1", "--size -4x10 --frames 1", "--size 16385x2 --frames 1", "--size 10 --frames 1",
         "--size 10x10 --frames -1", "--size 10x10", "--size 10x10 --frames 1 --set NoSuch=1",
         "--size 10x10 --frames 1 --set SparklesCount=12abc", "--size 10x10 --frames 1 --set SparklesCount",
         "--size 10x10 --frames 1 --set XRes=0", "--size 10x10 --frames 1 --seed", "--size 10x10 --frames 1 --bogus",
         "--size 10x10 --frames 1 --set SparklesCount=99999999999", "--size 10x10 --frames 1 --passes sse3",
         "--field-of 0x10", "--field-of 10"},
        Parse);
}

TEST(FramesRun, FieldOfPrintsTheFieldAScreenBurnsUnderTheRenderScale) {
    EXPECT_EQ(HashLines("--field-of 3840x2160"), "1920x1080\n") << "automatic halves a 4K screen";
    EXPECT_EQ(HashLines("--field-of 1920x1080"), "1920x1080\n");
    EXPECT_EQ(HashLines("--field-of 3840x2160 --set RenderScale=3"), "1280x720\n");
    EXPECT_EQ(HashLines("--field-of 2561x1441 --set RenderScale=1"), "2561x1441\n");
}

TEST(FramesRun, AnUnreadableDesktopImageIsBadInput) {
    FramesOptions options;
    std::string error;
    ASSERT_TRUE(Parse("--size 10x10 --frames 1 --desktop DATA/vectors/core-default.txt", options, error));
    EXPECT_EQ(RunFrames(options, stdout), 2);
    ASSERT_TRUE(Parse("--size 10x10 --frames 1 --desktop DATA/no-such.ppm", options, error));
    EXPECT_EQ(RunFrames(options, stdout), 2);
}

TEST(PpmImage, ReadsRowsBottomUpAndRefusesAPictureThatEndsEarly) {
    const std::string folder = FreshTestFolder("ppm");
    std::ofstream(folder + "small.ppm", std::ios::binary) << "P6\n2 2\n255\n" << std::string("\1\2\3\4\5\6\7\10\11\12\13\14", 12);
    DesktopImage image;
    std::string error;
    ASSERT_TRUE(ReadPpm(folder + "small.ppm", image, error)) << error;
    EXPECT_EQ(image.bgr, (std::vector<std::uint8_t>{9, 8, 7, 12, 11, 10, 3, 2, 1, 6, 5, 4}))
        << "the bottom row first, each pixel blue, green, red";
    // A header of the largest size before a few bytes: refused without
    // first taking the 805 MB it promises (too much for a 32-bit process).
    std::ofstream(folder + "huge.ppm", std::ios::binary) << "P6\n16384 16384\n255\n" << std::string(100, 'x');
    EXPECT_FALSE(ReadPpm(folder + "huge.ppm", image, error));
    EXPECT_NE(error.find("ends early"), std::string::npos) << error;
}

TEST(FramesArguments, LoadReadsAStoredPresetBeforeTheSets) {
    RegistryStore::SetBackendFactory([] { return std::make_unique<MemoryRegistry>(); });
    Settings stored = DefaultSettings(1920, 1080);
    stored.SetInt(SettingId::FireWorkCount, 17);
    stored.SetInt(SettingId::SparklesCount, 33);
    ASSERT_EQ(stored.SaveAs("Party"), 1);
    Settings other = DefaultSettings(1920, 1080);
    ASSERT_EQ(other.SaveAs("Quiet"), 1);

    FramesOptions options;
    std::string error;
    ASSERT_TRUE(Parse("--size 64x32 --frames 1 --load Party --set SparklesCount=5", options, error)) << error;
    int value = 0;
    options.settings.GetInt(SettingId::FireWorkCount, value);
    EXPECT_EQ(value, 17);
    options.settings.GetInt(SettingId::SparklesCount, value);
    EXPECT_EQ(value, 5) << "--set applies after the load";
    options.settings.GetInt(SettingId::XRes, value);
    EXPECT_EQ(value, 64) << "--size wins over the stored size";

    FramesOptions current;
    ASSERT_TRUE(Parse("--load --size 64x32 --frames 1", current, error)) << error;
    std::string name;
    current.settings.GetString(SettingId::CurrentPreset, name);
    EXPECT_EQ(name, "Quiet") << "without a name the current preset is loaded";
    RegistryStore::SetBackendFactory(nullptr);
}
