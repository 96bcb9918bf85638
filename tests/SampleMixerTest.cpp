// SPDX-License-Identifier: GPL-2.0-or-later
#include "sound/SampleMixer.h"

#include <gtest/gtest.h>

#include <vector>

namespace {
std::vector<std::int16_t> Mixed(SampleMixer& mixer, std::size_t count) {
    std::vector<std::int16_t> out(count, 12345);
    mixer.Mix(out.data(), count);
    return out;
}
}  // namespace

TEST(SampleMixer, ALoopWrapsAndAOneShotEndsAtItsStartAgain) {
    SampleMixer mixer;
    const int loop = mixer.AddVoice(), shot = mixer.AddVoice();
    mixer.SetSamples(loop, {1, 2, 3});
    mixer.SetSamples(shot, {100, 200});
    EXPECT_EQ(Mixed(mixer, 4), (std::vector<std::int16_t>{0, 0, 0, 0})) << "nothing plays yet";
    mixer.Play(loop, true);
    mixer.Play(shot, false);
    EXPECT_EQ(Mixed(mixer, 7), (std::vector<std::int16_t>{101, 202, 3, 1, 2, 3, 1}));
    EXPECT_TRUE(mixer.IsPlaying(loop));
    EXPECT_FALSE(mixer.IsPlaying(shot));
    mixer.Play(shot, false);
    EXPECT_EQ(Mixed(mixer, 2), (std::vector<std::int16_t>{102, 203})) << "played again from its start";
    mixer.Stop(loop);
    EXPECT_EQ(Mixed(mixer, 1), (std::vector<std::int16_t>{0}));
    mixer.Play(loop, true);
    EXPECT_EQ(Mixed(mixer, 1), (std::vector<std::int16_t>{1})) << "a stopped voice goes on where it stood";
}

TEST(SampleMixer, SumsAreClippedAndRemovedVoicesAreReused) {
    SampleMixer mixer;
    const int a = mixer.AddVoice(), b = mixer.AddVoice();
    mixer.SetSamples(a, {30000, -30000});
    mixer.SetSamples(b, {30000, -30000});
    mixer.Play(a, false);
    mixer.Play(b, false);
    EXPECT_EQ(Mixed(mixer, 2), (std::vector<std::int16_t>{32767, -32768}));
    mixer.RemoveVoice(a);
    EXPECT_EQ(mixer.AddVoice(), a);
    EXPECT_FALSE(mixer.IsPlaying(a)) << "a reused voice starts silent";
    mixer.Play(a, true);
    EXPECT_FALSE(mixer.IsPlaying(a)) << "a voice without samples does not play";
}
