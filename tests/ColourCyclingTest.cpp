// SPDX-License-Identifier: GPL-2.0-or-later
#include "engine/ColourCycling.h"
#include "palette/PaletteFile.h"

#include <gtest/gtest.h>

#include <cstdlib>

TEST(HslConversion, KnownColoursConvertBothWays) {
    const HslColour red = RgbToHsl(255, 0, 0);
    EXPECT_FLOAT_EQ(red.hue, 360.0f) << "only a hue above 360 is folded back";
    EXPECT_FLOAT_EQ(red.saturation, 1.0f);
    EXPECT_FLOAT_EQ(red.lightness, 0.5f);
    EXPECT_FLOAT_EQ(RgbToHsl(0, 255, 0).hue, 120.0f);
    EXPECT_FLOAT_EQ(RgbToHsl(0, 0, 255).hue, 240.0f);
    EXPECT_FLOAT_EQ(RgbToHsl(255, 255, 0).hue, 60.0f) << "red and green tie: the green test wins";
    const HslColour grey = RgbToHsl(90, 90, 90);
    EXPECT_EQ(grey.hue, 0.0f);
    EXPECT_EQ(grey.saturation, 0.0f);
    std::uint8_t r, g, b;
    HslToRgb(grey, r, g, b);
    EXPECT_LE(std::abs(r - 90), 1);
    EXPECT_EQ(g, r);
    EXPECT_EQ(b, r);
}

TEST(HslConversion, RoundTripsStayWithinOneStep) {
    for (int r = 0; r < 256; r += 15)
        for (int g = 0; g < 256; g += 15)
            for (int b = 0; b < 256; b += 15) {
                std::uint8_t r2, g2, b2;
                HslToRgb(RgbToHsl(std::uint8_t(r), std::uint8_t(g), std::uint8_t(b)), r2, g2, b2);
                ASSERT_LE(std::abs(r2 - r), 1) << r << "," << g << "," << b;
                ASSERT_LE(std::abs(g2 - g), 1) << r << "," << g << "," << b;
                ASSERT_LE(std::abs(b2 - b), 1) << r << "," << g << "," << b;
            }
}

TEST(CyclePaletteHues, TurnsOneDegreePerFrameAndComesRoundAfter360) {
    FirePalette palette{};
    ReadPalette(palette, kBuiltInPaletteId);
    FirePalette at5 = palette, at365 = palette, at6 = palette;
    CyclePaletteHues(at5, 5);
    CyclePaletteHues(at365, 365);
    CyclePaletteHues(at6, 6);
    for (int i = 0; i < 256; ++i) {
        EXPECT_EQ(at5.entries[i].red, at365.entries[i].red) << i;
        EXPECT_EQ(at5.entries[i].green, at365.entries[i].green) << i;
    }
    int differing = 0;
    for (int i = 0; i < 256; ++i) differing += at5.entries[i].green != at6.entries[i].green;
    EXPECT_GT(differing, 0);
    EXPECT_EQ(at5.entries[0].red, 0) << "black has no hue to turn";
}
