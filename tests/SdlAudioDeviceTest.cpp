// SPDX-License-Identifier: GPL-2.0-or-later
// The native saver's audio device: SDL's output thread mixes the sounds while
// the program's thread makes, fills, plays, stops and drops them. SDL's dummy
// driver runs that thread as a sound card's driver would, into nothing. Built
// with the other tests and alone under ThreadSanitizer (preset linux-tsan):
// any touch of the mixer that the device's lock does not order is reported.
#include "sound/AudioDevice.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <thread>
#include <vector>

namespace {
// 8-bit mono at the device's own rate: no resampling.
const WaveFormat kFormat{0, 11025, 1, 8};

std::unique_ptr<CAudioBuffer> Sound(CAudioDevice& device, std::size_t samples) {
    const std::vector<unsigned char> bytes(samples, 200);
    std::unique_ptr<CAudioBuffer> buffer = device.CreateBuffer(kFormat, static_cast<std::uint32_t>(samples));
    if (buffer && !buffer->Fill(bytes.data(), static_cast<std::uint32_t>(samples))) buffer.reset();
    return buffer;
}

// Waits, at most ten seconds, until the output thread has mixed `buffer` to its end.
bool PlayedToTheEnd(CAudioBuffer& buffer) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    int playing = 1;
    while (buffer.GetStatus(playing) && playing && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    return !playing;
}
}  // namespace

TEST(SdlAudioDevice, ItsOutputThreadMixesWhileTheProgramPlaysStopsAndDropsSounds) {
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    std::unique_ptr<CAudioDevice> device = CreatePlatformAudioDevice();
    ASSERT_NE(device, nullptr);
    ASSERT_EQ(device->Create(), 1) << "SDL's dummy driver opens";
    std::unique_ptr<CAudioBuffer> crackle = Sound(*device, 4000);
    ASSERT_NE(crackle, nullptr);
    ASSERT_EQ(crackle->Play(1), 1);
    for (int round = 0; round < 6; ++round) {
        // An explosion played to its end: only the output thread moves it on.
        std::unique_ptr<CAudioBuffer> explosion = Sound(*device, 600);
        ASSERT_NE(explosion, nullptr);
        ASSERT_EQ(explosion->Play(0), 1);
        EXPECT_TRUE(PlayedToTheEnd(*explosion)) << "round " << round;
        // One dropped while it plays, and the looped crackle stopped and
        // started over and over for a few of the output thread's mixes.
        std::unique_ptr<CAudioBuffer> dropped = Sound(*device, 6000);
        ASSERT_NE(dropped, nullptr);
        ASSERT_EQ(dropped->Play(0), 1);
        const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(150);
        while (std::chrono::steady_clock::now() < until) {
            ASSERT_EQ(crackle->Stop(), 1);
            ASSERT_EQ(crackle->Play(1), 1);
        }
        dropped.reset();
    }
    int playing = 0;
    ASSERT_EQ(crackle->GetStatus(playing), 1);
    EXPECT_EQ(playing, 1) << "the looped crackle plays on";
    crackle.reset();
    device.reset();
}
