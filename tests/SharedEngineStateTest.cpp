// SPDX-License-Identifier: GPL-2.0-or-later
// What the engines of a run share: the draws, the bottom source's sub-frames,
// the pending desktop switch-off and the text's line counter, handed from one
// engine to the next as they step in turn; and where their explosions sound.
#include "engine/FireEngine.h"
#include "tests/TestSupport.h"
#include "tools/frames/Fnv1a.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {
Settings SharedFireSettings(int width, int height, const char* text) {
    Settings settings = WithoutTurbulence(width, height);
    settings.SetString(SettingId::FireText, text);
    settings.SetInt(SettingId::FireTextSpeed, 100);
    settings.SetInt(SettingId::FireWorkCount, 4);
    return settings;
}

struct TwoScreens {
    int frame;
    std::uint64_t first, second;
    int firstFade, secondFade;
};

// Two screens of one run, stepped in turn as a full-screen run steps its
// monitors, every 150 frames; the first screen's paper burn ends first, and
// its pending switch-off is taken by the second screen, which steps next.
const TwoScreens kTwoScreens[] = {
    {150, 0x5624689577862d01ull, 0x3444dacb5bfba1b9ull, 2, 2},
    {300, 0xbbe506bd2ffb9a6full, 0x09d8769db77680a7ull, 2, 2},
    {450, 0x7b80604929558638ull, 0x91aa41b04f32ccaaull, 2, 2},
    {600, 0xb08b5ad9e1e1dc35ull, 0x7799506c00702c4bull, 2, 2},
    {750, 0x2f8f3d5c1c69f331ull, 0xa2cb50d16411de9bull, 2, 0},
    {900, 0x17af1a2d009794c8ull, 0x6005dbcbfbec5f3aull, 2, 0},
};
constexpr std::uint32_t kTwoScreensCursor = 3967503;

std::uint64_t FrameHash(CFireEngine& engine, std::vector<std::uint8_t>& frame) {
    engine.RenderTo(frame.data());
    return Fnv1a64(frame.data(), frame.size());
}

// Frame hashes of `frames` steps of an engine.
std::vector<std::uint64_t> FireHashes(CFireEngine& engine, int frames) {
    std::vector<std::uint64_t> hashes;
    std::vector<std::uint8_t> frame(static_cast<std::size_t>(engine.Width()) * engine.Height());
    for (int k = 0; k < frames && engine.Step(); ++k) hashes.push_back(FrameHash(engine, frame));
    return hashes;
}

// Fireworks on a field tall enough for rockets to burst.
Settings Fireworks() {
    Settings settings = WithoutTurbulence(200, 240);
    settings.SetInt(SettingId::FireWorkCount, 12);
    return settings;
}

// A sink that counts what it is asked, and plays when told to.
class CountingSink : public ExplosionSink {
public:
    explicit CountingSink(bool plays) : m_bPlays(plays) {}
    bool PlaysExplosions() const override {
        ++asked;
        return m_bPlays;
    }
    void PlayExplosion(int draw) override { draws.push_back(draw); }

    mutable int asked = 0;
    std::vector<int> draws;

private:
    bool m_bPlays;
};
}  // namespace

TEST(SharedEngineState, TheScreensOfOneRunStepFromOneTableAndHandOnTheirCounters) {
    auto run = FreshRun(2026);
    CFireEngine first(*run), second(*run);
    ASSERT_EQ(first.Create(SharedFireSettings(48, 32, "One\nTwo\n")), 1);
    ASSERT_EQ(second.Create(SharedFireSettings(40, 30, "Three\nFour\nFive\n")), 1);
    std::vector<std::uint8_t> firstFrame(48 * 32), secondFrame(40 * 30);
    const TwoScreens* expected = kTwoScreens;
    for (int k = 1; k <= 900; ++k) {
        ASSERT_EQ(first.Step(), 1);
        const std::uint64_t firstHash = FrameHash(first, firstFrame);
        ASSERT_EQ(second.Step(), 1);
        const std::uint64_t secondHash = FrameHash(second, secondFrame);
        if (k != expected->frame) continue;
        EXPECT_EQ(firstHash, expected->first) << "frame " << k;
        EXPECT_EQ(secondHash, expected->second) << "frame " << k;
        EXPECT_EQ(first.FadeScreen(), expected->firstFade) << "frame " << k;
        EXPECT_EQ(second.FadeScreen(), expected->secondFade) << "frame " << k;
        ++expected;
    }
    EXPECT_EQ(run->random.Cursor(), kTwoScreensCursor);
}

TEST(SharedEngineState, EnginesOfSeparateRunsShareNothing) {
    auto alone = FreshRun(9);
    CFireEngine reference(*alone);
    ASSERT_EQ(reference.Create(SharedFireSettings(48, 32, "A\nB\n")), 1);
    const std::vector<std::uint64_t> expected = FireHashes(reference, 300);

    // Two runs with the same seed, stepped in turn: each burns as if alone.
    auto runA = FreshRun(9), runB = FreshRun(9);
    CFireEngine a(*runA), b(*runB);
    ASSERT_EQ(a.Create(SharedFireSettings(48, 32, "A\nB\n")), 1);
    ASSERT_EQ(b.Create(SharedFireSettings(48, 32, "A\nB\n")), 1);
    std::vector<std::uint8_t> frame(48 * 32);
    for (std::size_t k = 0; k < expected.size(); ++k) {
        ASSERT_EQ(a.Step(), 1);
        ASSERT_EQ(FrameHash(a, frame), expected[k]) << "frame " << k + 1;
        ASSERT_EQ(b.Step(), 1);
        ASSERT_EQ(FrameHash(b, frame), expected[k]) << "frame " << k + 1;
    }
}

TEST(ExplosionSink, ASilentSinkTakesNoDrawAndKeepsTheFramesOfAnEngineWithout) {
    auto plain = FreshRun(4);
    CFireEngine withoutSink(*plain);
    ASSERT_EQ(withoutSink.Create(Fireworks()), 1);
    const std::vector<std::uint64_t> expected = FireHashes(withoutSink, 200);

    auto run = FreshRun(4);
    CFireEngine engine(*run);
    CountingSink silent(false);
    engine.SetExplosionSink(&silent);
    ASSERT_EQ(engine.Create(Fireworks()), 1);
    EXPECT_EQ(FireHashes(engine, 200), expected);
    EXPECT_GT(silent.asked, 0) << "every burst asks";
    EXPECT_TRUE(silent.draws.empty());
    EXPECT_EQ(run->random.Cursor(), plain->random.Cursor());
}

TEST(ExplosionSink, APlayingSinkTakesOneDrawAtEveryBurst) {
    auto run = FreshRun(4);
    CFireEngine engine(*run);
    CountingSink playing(true);
    engine.SetExplosionSink(&playing);
    ASSERT_EQ(engine.Create(Fireworks()), 1);
    const std::vector<std::uint64_t> heard = FireHashes(engine, 200);
    ASSERT_GT(playing.asked, 0);
    EXPECT_EQ(playing.draws.size(), static_cast<std::size_t>(playing.asked));
    for (int draw : playing.draws) EXPECT_GE(draw, 0);

    auto plain = FreshRun(4);
    CFireEngine withoutSink(*plain);
    ASSERT_EQ(withoutSink.Create(Fireworks()), 1);
    EXPECT_NE(FireHashes(withoutSink, 200), heard) << "the explosions' draws move the fire on";
}
