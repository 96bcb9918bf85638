// SPDX-License-Identifier: GPL-2.0-or-later
#include "engine/FireEngine.h"
#include "palette/PaletteFile.h"
#include "tests/TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdio>

namespace {
Settings QuietSettings(int width, int height) {
    Settings settings = WithoutTurbulence(width, height);
    settings.SetInt(SettingId::OlympicRings, 0);
    return settings;
}

class SolidDesktop : public DesktopSource {
public:
    explicit SolidDesktop(int ok) : m_ok(ok) {}
    int Capture(DesktopImage& image) override {
        image.width = 50;
        image.height = 40;
        image.bgr.assign(50 * 40 * 3, 255);
        return m_ok;
    }

private:
    int m_ok;
};
}  // namespace

TEST(FireEngine, RefusesSizesBelowOneByTwo) {
    for (auto [w, h] : {std::pair{0, 10}, {10, 0}, {10, 1}, {-5, 10}}) {
        auto run = FreshRun();
        CFireEngine engine(*run);
        EXPECT_EQ(engine.Create(QuietSettings(w, h)), 0) << w << "x" << h;
    }
}

TEST(FireEngine, EveryTinyWidthStaysInsideItsBuffers) {
    // Run under AddressSanitizer: the mixed output, glows and sparkles at every
    // width from 1 to 70 must never touch a byte outside the engine's buffers.
    for (int width = 1; width <= 70; ++width) {
        for (int height : {2, 3, 17}) {
            auto run = FreshRun(static_cast<std::uint32_t>(width));
            CFireEngine engine(*run);
            Settings settings = QuietSettings(width, height);
            settings.SetInt(SettingId::FadeScreen, 100);
            ASSERT_EQ(engine.Create(settings), 1) << width << "x" << height;
            std::vector<std::uint8_t> frame(static_cast<std::size_t>(width) * height);
            for (int k = 0; k < 12; ++k) {
                ASSERT_EQ(engine.Step(), 1);
                engine.RenderTo(frame.data());
            }
            for (int x = 0; x < width; ++x) ASSERT_EQ(engine.FireFieldData()[height * width + x], 0) << "spare row";
        }
    }
}

TEST(FireEngine, FirstFrameHasNoSparklesAndTheSpareRowStaysZero) {
    auto run = FreshRun(3);
    CFireEngine engine(*run);
    Settings settings = QuietSettings(64, 48);
    settings.SetInt(SettingId::FireBallCount, 0);
    settings.SetInt(SettingId::FireWorkCount, 0);
    settings.SetInt(SettingId::PaperBurn, 0);
    ASSERT_EQ(engine.Create(settings), 1);
    ASSERT_EQ(engine.Step(), 1);
    for (int i = 0; i < 64 * 49; ++i) ASSERT_EQ(engine.FireFieldData()[i], 0) << "no heat in the first frame";
    for (int k = 0; k < 300; ++k) engine.Step();
    for (int x = 0; x < 64; ++x) EXPECT_EQ(engine.FireFieldData()[48 * 64 + x], 0);
    for (int x = 0; x < 64; ++x) EXPECT_EQ(engine.FireFieldData()[x], engine.FireFieldData()[64 + x]) << "row 0 copies row 1";
}

TEST(FireEngine, AnUnreadablePaletteFileFallsBackToTheBuiltInOne) {
    auto run = FreshRun();
    CFireEngine engine(*run);
    Settings settings = QuietSettings(32, 16);
    settings.SetInt(SettingId::FadeScreen, 0);
    settings.SetString(SettingId::Palette, "/no/such/folder/gone.pal");
    ASSERT_EQ(engine.Create(settings), 1);
    EXPECT_TRUE(engine.PaletteFellBack());
    FirePalette engineColours{}, builtIn{};
    engine.CopyPalette(engineColours);
    ReadPalette(builtIn, kBuiltInPaletteId);
    for (int i = 0; i < 256; ++i) EXPECT_EQ(engineColours.entries[i].green, builtIn.entries[i].green);
}

TEST(FireEngine, AFailedDesktopCaptureFailsCreate) {
    auto run = FreshRun();
    SolidDesktop failing(0);
    CFireEngine engine(*run);
    engine.SetDesktopSource(&failing);
    EXPECT_EQ(engine.Create(QuietSettings(32, 16)), 0);
}

TEST(FireEngine, ThePaletteLosesItsBlendOnceWhenThePaperHasBurnt) {
    auto run = FreshRun(2);
    SolidDesktop white(1);
    CFireEngine engine(*run);
    engine.SetDesktopSource(&white);
    Settings settings = QuietSettings(40, 30);
    settings.SetInt(SettingId::FadeScreen, 50);
    ASSERT_EQ(engine.Create(settings), 1);
    std::vector<std::uint8_t> frame(40 * 30);
    int changes = 0, changedAt = 0;
    bool lowBitsAfter = false;
    for (int k = 1; k <= 700; ++k) {
        ASSERT_EQ(engine.Step(), 1);
        engine.RenderTo(frame.data());
        if (engine.TakePaletteChanged()) ++changes, changedAt = k;
        if (changes && k > changedAt + 1)
            for (int i = 0; i < 40 * 29; ++i) lowBitsAfter |= (frame[i] & 7) != (engine.FireFieldData()[i] & 7);
    }
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(changedAt, 664) << "the front falls from 300 to -32 one step every second frame";
    EXPECT_FALSE(lowBitsAfter) << "after the switch-off the fire is shown on black";
    for (int i = 0; i < 40 * 30; ++i) ASSERT_EQ(engine.BackgroundLayerData()[i], 0) << "the paper burnt black";
}

TEST(FireEngine, CyclingColoursChangesThePaletteEveryFrame) {
    auto run = FreshRun();
    CFireEngine engine(*run);
    Settings settings = QuietSettings(32, 16);
    settings.SetInt(SettingId::CycleColors, 1);
    ASSERT_EQ(engine.Create(settings), 1);
    for (int k = 0; k < 5; ++k) {
        engine.Step();
        EXPECT_EQ(engine.TakePaletteChanged(), 1);
        EXPECT_EQ(engine.TakePaletteChanged(), 0);
    }
}

TEST(FireEngine, ZeroBurstBoundsLaunchRocketsWithOneBall) {
    auto run = FreshRun();
    CFireEngine engine(*run);
    // Tall enough for slow rockets to burst before they leave the field.
    Settings settings = QuietSettings(80, 240);
    settings.SetInt(SettingId::FireWorkCount, 10);
    settings.SetInt(SettingId::FireBallInFireWorkMax, 0);
    settings.SetInt(SettingId::FireBallInFireWorkMin, 0);
    settings.SetInt(SettingId::SparklesCount, -5);
    ASSERT_EQ(engine.Create(settings), 1);
    int launched = 0, burst = 0;
    for (int k = 0; k < 400; ++k) {
        ASSERT_EQ(engine.Step(), 1);
        for (const Firework& firework : engine.Fireworks()) {
            if (firework.IsIdle()) continue;
            ASSERT_EQ(firework.Balls().size(), 1u) << "frame " << k;
            launched += firework.Timer() > 0;
            burst += firework.Timer() < 0;
        }
    }
    EXPECT_GT(launched, 0) << "rockets rise";
    EXPECT_GT(burst, 0) << "and burst into their one ball";
}

namespace {
// The most random draws any of `frames` frames of the engine takes.
std::uint32_t MostDrawsInAFrame(CFireEngine& engine, int frames) {
    const RandomTable& random = engine.Shared().random;
    std::uint32_t most = 0;
    for (int k = 0; k < frames; ++k) {
        const std::uint32_t before = random.Cursor();
        if (!engine.Step()) return UINT32_MAX;
        most = std::max(most, random.Cursor() - before);
    }
    return most;
}

// Fireworks and fireballs only, with the given counts and burst bounds.
Settings FireworksAndFireballs(int fireworks, int fireballs, int burstMax, int burstMin) {
    Settings settings = QuietSettings(64, 48);
    settings.SetInt(SettingId::SparklesCount, 0);
    settings.SetInt(SettingId::FireWorkCount, fireworks);
    settings.SetInt(SettingId::FireBallCount, fireballs);
    settings.SetInt(SettingId::FireBallInFireWorkMax, burstMax);
    settings.SetInt(SettingId::FireBallInFireWorkMin, burstMin);
    return settings;
}
}  // namespace

TEST(FireEngine, AbsurdCountsKeepEveryFrameSmall) {
    // Counts only a hand-edited store holds: a frame must not launch millions
    // of fireworks or move millions of fireballs.
    for (auto [fireworks, fireballs] : {std::pair{2719743, 0}, {0, 2719743}}) {
        auto run = FreshRun();
        CFireEngine engine(*run);
        ASSERT_EQ(engine.Create(FireworksAndFireballs(fireworks, fireballs, 1, 1)), 1);
        EXPECT_LT(MostDrawsInAFrame(engine, 3), 100000u) << fireworks << " fireworks, " << fireballs << " fireballs";
    }
}

TEST(FireEngine, AbsurdBurstBoundsKeepEveryFrameSmall) {
    // Values only a hand-edited store holds: a minimum far above the maximum
    // (not exchanged, as a record that skipped loading has them) and bounds at
    // the ends of the int range. No bound may overflow, and a frame must not
    // launch tens of thousands of balls, five draws each.
    for (auto [max, min] : {std::pair{-100, 24928}, {INT_MAX, INT_MIN}, {INT_MAX, INT_MAX - 5}}) {
        auto run = FreshRun();
        CFireEngine engine(*run);
        ASSERT_EQ(engine.Create(FireworksAndFireballs(4, 0, max, min)), 1) << max << ", " << min;
        EXPECT_LT(MostDrawsInAFrame(engine, 60), 100000u) << "bounds " << max << ", " << min;
    }
}

TEST(FireEngine, EveryEffectRunsOnAsTheRandomCursorPasses2To31And2To32) {
    // A long run takes 2^31 draws in about half an hour: no draw may then go
    // negative and index an array before its start.
    for (const std::uint32_t crossing : {0x80000000u, 0u}) {
        auto run = FreshRun();
        CFireEngine engine(*run);
        engine.SetCacheDirectory(FreshTestFolder("cursor"));
        Settings settings = DefaultSettings(64, 48);
        settings.SetInt(SettingId::FireBallInFireWorkMin, 0);
        settings.SetInt(SettingId::FadeScreen, 50);
        settings.SetInt(SettingId::CycleColors, 1);
        settings.SetInt(SettingId::TextSequence, 1);
        settings.SetString(SettingId::FireText, "one\ntwo\nthree\n");
        ASSERT_EQ(engine.Create(settings), 1);
        run->random.SetCursor(crossing - 30000);
        std::vector<std::uint8_t> frame(64 * 48);
        for (int k = 0; k < 120; ++k) {
            ASSERT_EQ(engine.Step(), 1) << k;
            engine.RenderTo(frame.data());
        }
        EXPECT_LT(run->random.Cursor() - crossing, 0x40000000u) << "the cursor passed " << crossing;
    }
}
