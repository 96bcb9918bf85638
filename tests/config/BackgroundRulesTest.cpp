// SPDX-License-Identifier: GPL-2.0-or-later
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

TEST(BackgroundTiles, PictureFittedToASideCoversItExactly) {
    // trunc(469 * (w / 469)) falls one short for many w in floating point;
    // a tile one pixel short repeats the picture's first column at the edge.
    for (int picture : {469, 432})
        for (int side = 1; side <= 4000; ++side)
            ASSERT_EQ(TileSide(picture, FitScale(side, picture)), side) << picture << " to " << side;
}

TEST(BackgroundBrush, PatternLinesUpWithThePaintedTiles) {
    EXPECT_EQ(BrushOrigin(0, 860), 0);
    EXPECT_EQ(BrushOrigin(200, 860), 660);
    EXPECT_EQ(BrushOrigin(-5, 860), 5);
    EXPECT_EQ(BrushOrigin(2000, 860), 580);
    EXPECT_EQ(BrushOrigin(17, 0), 0);
    // A window at `origin` paints tiles starting at FirstTile; its brush
    // pattern must start at the same place within a tile.
    for (int origin = -1000; origin <= 3000; origin += 37) {
        const int first = FirstTile(0, origin, 469);
        EXPECT_EQ(((first % 469) + 469) % 469, BrushOrigin(origin, 469)) << origin;
    }
}
