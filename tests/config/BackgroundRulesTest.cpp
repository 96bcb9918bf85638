// Tinting and tiling of the sheet's background picture.
#include "config/BackgroundRules.h"

#include <gtest/gtest.h>

TEST(BackgroundTint, RunsFromBlackOverTheFaceColourToWhite) {
    const TintColour face{212, 208, 200};
    const TintColour black = TintedEntry(0, face), atFace = TintedEntry(192, face);
    EXPECT_EQ(black.red + black.green + black.blue, 0);
    EXPECT_EQ(atFace.red, 212);
    EXPECT_EQ(atFace.green, 208);
    EXPECT_EQ(atFace.blue, 200);
    EXPECT_EQ(TintedEntry(191, face).red, 210);  // 191/192 of 212, truncated
    const TintColour last = TintedEntry(255, face);
    EXPECT_EQ(last.red, 212 + 63 * 43 / 64);
    EXPECT_EQ(last.blue, 200 + 63 * 55 / 64);
}

TEST(BackgroundTiles, TileIsAtLeastOnePixel) {
    EXPECT_EQ(TileSide(469, 1.0), 469);
    EXPECT_EQ(TileSide(469, 1.5), 703);
    EXPECT_EQ(TileSide(469, 0.001), 1);
    EXPECT_EQ(TileSide(469, 0.0), 1);
}

TEST(BackgroundTiles, FirstTileJoinsTheAnchoredPicture) {
    EXPECT_EQ(FirstTile(0, 200, 469), -200);  // a page at (200, 9) starts its copy at -200
    EXPECT_EQ(FirstTile(0, 0, 469), 0);
    EXPECT_EQ(FirstTile(0, 1000, 469), -62);  // whole tiles left of the area are skipped
    EXPECT_EQ(FirstTile(10, -5, 469), 15);
}
