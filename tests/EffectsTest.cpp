// SPDX-License-Identifier: GPL-2.0-or-later
#include "engine/Fireball.h"
#include "engine/Firework.h"
#include "engine/Sparkle.h"
#include "tests/TestSupport.h"

#include <gtest/gtest.h>

#include <cstdlib>

TEST(Sparkle, StartsAtTheBottomAndWrapsAcrossTheSides) {
    FieldSource source(5, 40, 30);
    Sparkle sparkle;
    sparkle.Init(&source);
    EXPECT_EQ(sparkle.heat, 242);
    EXPECT_EQ(sparkle.y, 29);
    EXPECT_GE(sparkle.verticalSpeed, -4);
    EXPECT_LE(sparkle.verticalSpeed, -1);

    sparkle.x = 39;
    sparkle.horizontalSpeed = 3;
    sparkle.y = 20;
    ASSERT_EQ(sparkle.Move(), 1);
    EXPECT_EQ(sparkle.x, 0) << "leaving on the right re-enters at column 0";
    sparkle.x = 1;
    sparkle.horizontalSpeed = -3;
    sparkle.y = 20;
    sparkle.Move();
    EXPECT_EQ(sparkle.x, 39) << "leaving on the left re-enters at the last column";
}

TEST(Sparkle, RestartsHotAndRisesTwoRowsNext) {
    FieldSource source(6, 40, 30);
    Sparkle sparkle;
    sparkle.Init(&source);
    sparkle.y = 3;
    sparkle.verticalSpeed = -5;
    sparkle.Move();
    EXPECT_EQ(sparkle.y, 29);
    EXPECT_EQ(sparkle.verticalSpeed, -2);
    EXPECT_GE(sparkle.heat, 242);
    sparkle.Move();
    EXPECT_EQ(sparkle.y, 27);
    for (int i = 0; i < 500; ++i) {
        sparkle.Move();
        ASSERT_GE(sparkle.verticalSpeed, -10);
        ASSERT_LE(sparkle.verticalSpeed, -2);
        ASSERT_GE(sparkle.horizontalSpeed, -3);
        ASSERT_LE(sparkle.horizontalSpeed, 3);
        ASSERT_GE(sparkle.y, 2);
        ASSERT_LT(sparkle.y, 30);
        sparkle.Draw();
    }
}

TEST(Sparkle, DrawsItsPixelAndTheOneAbovePlainly) {
    FieldSource source(6, 10, 10);
    Sparkle sparkle;
    sparkle.Init(&source);
    sparkle.x = 4;
    sparkle.y = 5;
    sparkle.heat = 247;
    source.At(4, 4) = 10;
    sparkle.Draw();
    EXPECT_EQ(source.At(4, 5), 247);
    EXPECT_EQ(source.At(4, 4), 247);
}

TEST(Fireball, StaysInsideTheFieldAndWithinItsSpeeds) {
    FieldSource source(8, 60, 40);
    Fireball ball;
    ball.Init(&source);
    EXPECT_EQ(ball.heat, 0) << "a free fireball starts dark";
    EXPECT_EQ(ball.Draw(), 0);
    ball.x = 20;
    ball.y = 20;
    for (int i = 0; i < 2000; ++i) {
        ASSERT_EQ(ball.Move(), 1);
        ASSERT_GE(ball.x, 0);
        ASSERT_LT(ball.x, 60 - 9 + 5);
        ASSERT_GE(ball.heat, 0);
        ASSERT_LE(ball.heat, 247);
        ASSERT_LE(std::abs(ball.horizontalSpeed), 5);
        ASSERT_LE(std::abs(ball.heatSpeed), 4);
        ball.Draw();
    }
}

TEST(Fireball, DrawsOnlyInsideTheGlowArea) {
    FieldSource source(8, 20, 20);
    Fireball ball;
    ball.Init(&source);
    ball.heat = 100;
    for (auto [x, y] : {std::pair{-1, 0}, {0, -1}, {11, 0}, {0, 11}}) {
        ball.x = x;
        ball.y = y;
        EXPECT_EQ(ball.Draw(), 0) << x << "," << y;
    }
    ball.x = 10;
    ball.y = 10;
    EXPECT_EQ(ball.Draw(), 1);
    EXPECT_EQ(source.At(14, 14), (255 * 100) >> 8);
}

TEST(Firework, RisesBurstsIntoADiamondAndGoesIdle) {
    FieldSource source(9, 200, 150);
    Firework firework;
    ASSERT_EQ(firework.Init(&source, 40), 1);
    EXPECT_TRUE(firework.IsIdle());
    ASSERT_EQ(firework.Launch(100, 120, 1, -5, 3, 40), 1);
    EXPECT_FALSE(firework.IsIdle());
    EXPECT_EQ(firework.Balls().size(), 40u);
    EXPECT_EQ(firework.Balls()[0].heat, 123);
    for (int i = 0; i < 3; ++i) firework.Advance();
    ASSERT_EQ(firework.Timer(), 0);
    const int x = firework.Balls()[0].x, y = firework.Balls()[0].y;
    firework.Advance();  // the burst
    for (const Fireball& ball : firework.Balls()) {
        EXPECT_EQ(ball.x, x);
        EXPECT_EQ(ball.y, y);
        EXPECT_EQ(ball.heat, 164);
        const int h = ball.horizontalSpeed, v = ball.verticalSpeed + 3;
        EXPECT_LE(std::abs(h) + std::abs(v), 12);
        EXPECT_LE(std::abs(h), 7);
    }
    int advances = 0;
    while (!firework.IsIdle() && advances < 1000) {
        firework.Advance();
        ++advances;
    }
    EXPECT_TRUE(firework.IsIdle());
    EXPECT_LT(advances, 100) << "the spray cools within 25 moves";
}

TEST(Firework, ABurstOutsideTheDrawableAreaEndsAtOnce) {
    FieldSource source(9, 30, 30);
    Firework firework;
    firework.Init(&source, 5);
    firework.Launch(15, 29, 0, -1, 0, 5);  // bursts on its first advance, at y = 29
    firework.Advance();
    EXPECT_TRUE(firework.IsIdle());
    EXPECT_EQ(firework.Timer(), -1);
}

TEST(Firework, ALaunchWithoutBallsIsRefusedAndSkipped) {
    FieldSource source(9, 30, 30);
    Firework firework;
    firework.Init(&source, 5);
    EXPECT_EQ(firework.Launch(15, 20, 0, -1, 5, 0), 0);
    EXPECT_TRUE(firework.IsIdle());
    EXPECT_EQ(firework.Advance(), 1) << "advancing an empty firework touches nothing";
}
