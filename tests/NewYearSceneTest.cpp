// SPDX-License-Identifier: GPL-2.0-or-later
#include "engine/NewYearScene.h"
#include "tests/TestSupport.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(DigitOutline, ZeroIsAnEllipseAndTheOthersStayWithinTheirBox) {
    const float s = 0.266f;
    for (int j = 0; j < 110; ++j) {
        const OutlinePoint zero = DigitOutline(0, s, 0.3f, j);
        EXPECT_NEAR(std::pow(zero.p / (0.3f * s), 2) + std::pow(zero.q / (0.5f * s), 2), 1.0, 1e-4);
        for (int digit : {2, 3, 4}) {
            const OutlinePoint point = DigitOutline(digit, s, -1.7f, j);
            EXPECT_LE(std::fabs(point.p), 0.31f * s) << digit << " " << j;
            EXPECT_LE(std::fabs(point.q), 0.51f * s) << digit << " " << j;
        }
    }
    // The "2" starts at its upper arc and ends at its base on the right.
    EXPECT_LT(DigitOutline(2, s, 0, 0).q, 0) << "y grows downward: the top is negative";
    EXPECT_NEAR(DigitOutline(2, s, 0, 109).p, 0.25f * s, 1e-6);
}

TEST(NewYearScene, GathersShowsTheYearAndEndsAfterTwoRoundsOfFireworks) {
    FieldSource source(9, 200, 150);
    CNewYearScene scene(&source);
    ASSERT_EQ(scene.Init(), 1);
    scene.Start();
    for (const CNewYearScene::Particle& particle : scene.Particles()) {
        EXPECT_TRUE(particle.y == 0 || particle.y == 1) << "particles come from the top and bottom edges";
        EXPECT_GE(particle.duration, 300);
        EXPECT_LT(particle.duration, 600);
    }
    int frames = 0, gatheringZeroes = 0;
    while (scene.GetState() == CNewYearScene::Gathering && frames < 1000) {
        const int result = scene.Advance();
        gatheringZeroes += result == 0;
        scene.Draw();
        ++frames;
    }
    EXPECT_EQ(scene.GetState(), CNewYearScene::YearShown);
    EXPECT_EQ(gatheringZeroes, 1) << "only the frame in which the last particle lands returns 0";
    int longest = 0;
    for (const CNewYearScene::Particle& particle : scene.Particles()) longest = std::max(longest, particle.duration);
    EXPECT_EQ(frames, longest);

    int shown = 0;
    while (scene.GetState() == CNewYearScene::YearShown) {
        EXPECT_EQ(scene.Advance(), 1);
        ++shown;
    }
    EXPECT_EQ(shown, 70);
    EXPECT_EQ(scene.GetState(), CNewYearScene::FirstFireworks);
    for (int f = 0; f < 6; ++f) EXPECT_FALSE(scene.FireworkAt(f).IsIdle());
    EXPECT_TRUE(scene.FireworkAt(6).IsIdle());

    while (scene.GetState() == CNewYearScene::FirstFireworks && frames < 5000) scene.Advance(), ++frames;
    int newDigit = 0;
    while (scene.GetState() == CNewYearScene::NewDigit) scene.Advance(), ++newDigit;
    EXPECT_EQ(newDigit, 230);
    ASSERT_EQ(scene.GetState(), CNewYearScene::FinalFireworks);
    int launched = 0;
    for (int f = 0; f < 30; ++f) launched += !scene.FireworkAt(f).IsIdle();
    EXPECT_GT(launched, 0);
    while (scene.GetState() == CNewYearScene::FinalFireworks && frames < 10000) scene.Advance(), ++frames;
    EXPECT_EQ(scene.GetState(), CNewYearScene::Over);
    EXPECT_EQ(scene.Advance(), 0);
    scene.Start();
    EXPECT_EQ(scene.GetState(), CNewYearScene::Gathering) << "a start interrupts any state";
}

TEST(NewYearScene, ParticlesWarmUpAsTheyFlyAndStayInsideTheField) {
    FieldSource source(2, 120, 90);
    CNewYearScene scene(&source);
    ASSERT_EQ(scene.Init(), 1);
    scene.Start();
    for (int i = 0; i < 700; ++i) {
        scene.Advance();
        scene.Draw();
    }
    int hottest = 0;
    for (const CNewYearScene::Particle& particle : scene.Particles()) hottest = std::max(hottest, particle.heat);
    EXPECT_LE(hottest, 90 * 247 / 6000);
    EXPECT_GE(hottest, 90 * 247 / 6000 - 1);
    for (int x = 0; x < 120; ++x) ASSERT_EQ(source.At(x, 90), 0);
}
