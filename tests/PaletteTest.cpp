// SPDX-License-Identifier: GPL-2.0-or-later
#include "palette/PaletteFile.h"
#include "palette/PaletteFolder.h"
#include "tests/TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <fstream>

namespace {
void WriteBytes(const std::string& path, std::size_t count, std::uint8_t value) {
    std::ofstream(path, std::ios::binary) << std::string(count, static_cast<char>(value));
}

FirePalette Marked() {
    FirePalette palette{};
    for (int i = 0; i < 256; ++i) palette.entries[i] = PaletteEntry{std::uint8_t(i), std::uint8_t(255 - i), 7, 0xAB};
    return palette;
}
}  // namespace

TEST(BuiltInPalette, RunsFromBlackThroughRedToAlmostWhite) {
    FirePalette palette{};
    ASSERT_EQ(ReadPalette(palette, kBuiltInPaletteId), 1);
    auto rgb = [&](int i) {
        const PaletteEntry& e = palette.entries[i];
        return std::vector<int>{e.red, e.green, e.blue};
    };
    EXPECT_EQ(rgb(0), (std::vector<int>{0, 0, 0}));
    EXPECT_EQ(rgb(1), (std::vector<int>{1, 0, 0}));
    EXPECT_EQ(rgb(64), (std::vector<int>{96, 9, 1}));
    EXPECT_EQ(rgb(128), (std::vector<int>{192, 78, 16}));
    EXPECT_EQ(rgb(170), (std::vector<int>{255, 182, 49}));
    EXPECT_EQ(rgb(190), (std::vector<int>{255, 255, 77}));
    EXPECT_EQ(rgb(255), (std::vector<int>{255, 255, 252}));
    EXPECT_EQ(ReadPalette(palette, 136), 0);
}

TEST(PaletteFile, ShortFilesReadAs255PastTheirEndAndLongOnesAreCut) {
    const std::string folder = FreshTestFolder("palettes");
    for (std::size_t size : {600u, 767u, 768u, 769u}) {
        const std::string path = folder + "p" + std::to_string(size) + ".pal";
        WriteBytes(path, size, 9);
        FirePalette palette = Marked();
        ASSERT_EQ(ReadPalette(palette, path), 1) << size;
        for (int i = 0; i < 256; ++i) {
            const std::uint8_t expected[3] = {std::uint8_t(3u * i < size ? 9 : 255),
                                              std::uint8_t(3u * i + 1 < size ? 9 : 255),
                                              std::uint8_t(3u * i + 2 < size ? 9 : 255)};
            ASSERT_EQ(palette.entries[i].red, expected[0]) << size << " entry " << i;
            ASSERT_EQ(palette.entries[i].green, expected[1]) << size << " entry " << i;
            ASSERT_EQ(palette.entries[i].blue, expected[2]) << size << " entry " << i;
            ASSERT_EQ(palette.entries[i].spare, 0xAB) << "the spare byte is left alone";
        }
    }
    FirePalette untouched = Marked();
    EXPECT_EQ(ReadPalette(untouched, folder + "missing.pal"), 0);
    EXPECT_EQ(untouched.entries[10].red, 10);
}

TEST(PaletteFile, WrittenPalettesReadBackAndFailuresCleanUp) {
    const std::string folder = FreshTestFolder("palettes");
    const FirePalette original = Marked();
    ASSERT_EQ(WritePaletteFile(folder + "a.pal", original, PaletteWriteMode::NewFile), 1);
    FirePalette back{};
    ASSERT_EQ(ReadPalette(back, folder + "a.pal"), 1);
    for (int i = 0; i < 256; ++i) {
        EXPECT_EQ(back.entries[i].red, original.entries[i].red);
        EXPECT_EQ(back.entries[i].green, original.entries[i].green);
        EXPECT_EQ(back.entries[i].blue, original.entries[i].blue);
        EXPECT_EQ(back.entries[i].spare, 0) << "the spare byte is not stored";
    }
    // Existing-file mode overwrites the first 768 bytes and keeps what follows.
    WriteBytes(folder + "long.pal", 800, 1);
    ASSERT_EQ(WritePaletteFile(folder + "long.pal", original, PaletteWriteMode::ExistingFile), 1);
    std::ifstream in(folder + "long.pal", std::ios::binary | std::ios::ate);
    EXPECT_EQ(static_cast<int>(in.tellg()), 800);
    EXPECT_EQ(WritePaletteFile(folder + "missing.pal", original, PaletteWriteMode::ExistingFile), 0);
    EXPECT_EQ(WritePaletteFile(folder + "no-such-folder/x.pal", original, PaletteWriteMode::NewFile), 0);
}

TEST(DesktopBlend, BuildsEightBrightnessStepsPerFireColour) {
    FirePalette palette{};
    ReadPalette(palette, kBuiltInPaletteId);
    FirePalette half = palette;
    ApplyDesktopBlend(half, 50);
    const int expected[8][3] = {{12, 0, 0},  {28, 16, 16}, {44, 32, 32}, {60, 48, 48},
                                {76, 64, 64}, {92, 80, 80}, {108, 96, 96}, {124, 112, 112}};
    for (int j = 0; j < 8; ++j) {
        EXPECT_EQ(half.entries[8 + j].red, expected[j][0]);
        EXPECT_EQ(half.entries[8 + j].green, expected[j][1]);
        EXPECT_EQ(half.entries[8 + j].blue, expected[j][2]);
    }
    FirePalette full = palette;
    ApplyDesktopBlend(full, 100);
    EXPECT_EQ(full.entries[0].red, 0);
    EXPECT_EQ(full.entries[7].red, 224);
    EXPECT_EQ(full.entries[7].blue, 224);
    EXPECT_EQ(full.entries[255].red, 255) << "limited to 255";
    // A stored percent far out of range (no dialog sets it): steps of more
    // than 2^31 still end at 255, on platforms with a 32-bit long as well.
    FirePalette extreme = palette;
    ApplyDesktopBlend(extreme, INT_MAX);
    for (int j = 1; j < 8; ++j) EXPECT_EQ(extreme.entries[8 + j].green, 255) << j;
}

TEST(PaletteFolder, ListsOnly768BytePalFilesAndResolvesPositionsByName) {
    const std::string folder = FreshTestFolder("palettes");
    WriteBytes(folder + "fire.pal", 768, 1);
    WriteBytes(folder + "Blue.PAL", 768, 1);
    WriteBytes(folder + "short.pal", 767, 1);
    WriteBytes(folder + "long.pal", 769, 1);
    WriteBytes(folder + "notes.txt", 768, 1);
    std::vector<std::string> names = EnumPaletteFiles(folder);
    std::vector<std::string> sorted = names;
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(sorted, (std::vector<std::string>{"Blue.PAL", "fire.pal"}));

    EXPECT_EQ(PalettePositionOf(names, ""), 0);
    const int fire = PalettePositionOf(names, "/some/other/place/FIRE.PAL");
    ASSERT_GE(fire, 1);
    EXPECT_EQ(names[fire - 1], "fire.pal");
    EXPECT_EQ(PalettePathAt(folder, names, fire), folder + "fire.pal");
    EXPECT_EQ(PalettePositionOf(names, folder + "short.pal"), -1);
    EXPECT_EQ(PalettePathAt(folder, names, 3), "");
    EXPECT_EQ(PalettePathAt(folder, names, 0), "");
    EXPECT_TRUE(EnumPaletteFiles(folder + "absent/").empty());
}
