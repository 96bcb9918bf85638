// SPDX-License-Identifier: GPL-2.0-or-later
#include "web/src/PagePalettes.h"
#include "tests/TestSupport.h"

#include <gtest/gtest.h>

TEST(PagePalettes, OnlyFilesOf768BytesAreKeptUnderANameOfLettersDigitsAndSpaces) {
    const std::string folder = FreshTestFolder("palettes");
    std::string path, why;
    EXPECT_FALSE(AddPaletteFile(folder, "short.pal", std::string(767, 'a'), path, why));
    EXPECT_NE(why.find("768 bytes, this one 767"), std::string::npos) << why;
    EXPECT_FALSE(AddPaletteFile(folder, "long.pal", std::string(769, 'a'), path, why));
    EXPECT_TRUE(PaletteFileNames(folder).empty());

    why.clear();
    ASSERT_TRUE(AddPaletteFile(folder, "C:\\x\\../My <hot> fire!.PAL", std::string(768, 'b'), path, why)) << why;
    EXPECT_EQ(path, folder + "My hot fire.pal");
    ASSERT_TRUE(AddPaletteFile(folder, "...", std::string(768, 'c'), path, why));
    EXPECT_EQ(path, folder + "Palette.pal");
    EXPECT_EQ(PaletteFileNames(folder), (std::vector<std::string>{"My hot fire.pal", "Palette.pal"}));
    EXPECT_EQ(ReadWholeFile(folder + "My hot fire.pal"), std::string(768, 'b'));
}

TEST(PagePalettes, APictureBecomesThePhotographOfTheScreenBottomRowFirst) {
    // 2 x 2: red, green on top; blue, white below.
    const std::uint8_t rgba[] = {255, 0, 0, 255, 0, 255, 0, 255, 0, 0, 255, 255, 255, 255, 255, 255};
    const DesktopImage image = DesktopFromRgba(rgba, 2, 2);
    EXPECT_EQ(image.width, 2);
    EXPECT_EQ(image.height, 2);
    EXPECT_EQ(image.bgr, (std::vector<std::uint8_t>{255, 0, 0, 255, 255, 255, 0, 0, 255, 0, 255, 0}));
}
