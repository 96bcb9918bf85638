// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/Resources.h"
#include "run/FireSound.h"
#include "settings/Settings.h"
#include "sound/SoundPlayer.h"
#include "sound/WaveData.h"
#include "tests/FakeAudioDevice.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace {
constexpr std::uint32_t kLoop = 54656, kCrack = 26816, kBoom = 81280, kPop = 22912;
const std::string kBadIndex = "Error - DS - Invalid buffer selection index";
std::vector<std::string> g_Messages;

void RecordMessage(void* window, const char* text) {
    EXPECT_EQ(window, CSoundPlayer::MainWindow());
    g_Messages.push_back(text);
}

std::string LastCall() { return g_pFake->log.empty() ? "" : g_pFake->log.back(); }

// The draw that makes PlayExplosion pick `position`.
int DrawFor(int position) { return position - 1; }

class SoundPlayerTest : public testing::Test {
protected:
    void SetUp() override {
        g_pFake = &fake;
        g_Messages.clear();
        g_bMute = 0;
        CSoundPlayer::SetMainWindow(&window);
    }
    void TearDown() override {
        g_bMute = 0;
        CSoundPlayer::SetMainWindow(nullptr);
    }
    std::unique_ptr<CSoundPlayer> Opened(int explosionsOn = 1) {
        std::unique_ptr<CSoundPlayer> player(new CSoundPlayer(MakeFakeDevice, RecordMessage));
        EXPECT_EQ(player->Init(explosionsOn), 1);
        return player;
    }

    FakeAudio fake;
    int window = 0;
};

std::string CanonicalHeader(std::uint32_t size) {
    auto le = [](std::uint32_t value, int bytes) {
        std::string out;
        for (int i = 0; i < bytes; ++i) out += static_cast<char>(value >> 8 * i & 0xFF);
        return out;
    };
    return "RIFF" + le(36 + size, 4) + "WAVEfmt " + le(16, 4) + le(1, 2) + le(1, 2) + le(11025, 4) + le(11025, 4) +
           le(1, 2) + le(8, 2) + "data" + le(size, 4);
}

TEST(WaveResourceTest, BuiltInWavesHaveTheCanonicalHeaderAndLengths) {
    const std::uint32_t sizes[] = {kLoop, kCrack, kBoom, kPop};
    for (int id = 144; id <= 147; ++id) {
        ResourceData wave{};
        ASSERT_TRUE(FindBuiltInResource("WAVE", id, wave)) << id;
        ASSERT_EQ(wave.size, 44u + sizes[id - 144]) << id;
        EXPECT_EQ(std::string(reinterpret_cast<const char*>(wave.bytes), 44), CanonicalHeader(sizes[id - 144])) << id;
    }
    // The background loops: its last sample leads into its first without a jump.
    ResourceData loop{};
    ASSERT_TRUE(FindBuiltInResource("WAVE", 144, loop));
    EXPECT_LE(std::abs(loop.bytes[44] - loop.bytes[loop.size - 1]), 16);
}

TEST(WaveResourceTest, ReadWaveTakesFixedOffsetsAndRejectsTruncatedData) {
    std::vector<unsigned char> bytes(44 + 6, 0);
    bytes[22] = 6;                       // channels: more than two is stereo too
    bytes[24] = 0x22, bytes[25] = 0x56;  // 22050
    bytes[32] = 4, bytes[34] = 16, bytes[40] = 6;
    WaveData wave{};
    ASSERT_EQ(ReadWave(bytes.data(), bytes.size(), wave), 1);
    EXPECT_EQ(wave.format.bStereo, 1);
    EXPECT_EQ(wave.format.nSampleRate, 22050u);
    EXPECT_EQ(wave.format.nBlockAlign, 4);
    EXPECT_EQ(wave.format.nBitsPerSample, 16);
    EXPECT_EQ(wave.pSamples, bytes.data() + 44);
    EXPECT_EQ(wave.nSize, 6u);

    EXPECT_EQ(ReadWave(bytes.data(), 43, wave), 0);
    bytes[40] = 7;  // one byte past the end
    EXPECT_EQ(ReadWave(bytes.data(), bytes.size(), wave), 0);
    bytes[40] = 0xFF, bytes[43] = 0xFF;  // a size that would wrap an unsigned sum
    EXPECT_EQ(ReadWave(bytes.data(), bytes.size(), wave), 0);
}

TEST_F(SoundPlayerTest, InitLoadsTheTenSoundsInOrder) {
    auto player = Opened();
    EXPECT_EQ(fake.pWindow, &window);
    EXPECT_EQ(fake.sizes,
              (std::vector<std::uint32_t>{kLoop, kCrack, kCrack, kCrack, kBoom, kBoom, kBoom, kPop, kPop, kPop}));
    EXPECT_EQ(player->BufferCount(), 10);
    for (const WaveFormat& format : fake.formats) {
        EXPECT_EQ(format.bStereo, 0);
        EXPECT_EQ(format.nSampleRate, 11025u);
        EXPECT_EQ(format.nBlockAlign, 1);
        EXPECT_EQ(format.nBitsPerSample, 8);
    }
    EXPECT_EQ(player->LoadWave(999), 0);  // no such resource: silently nothing
    EXPECT_EQ(player->BufferCount(), 10);
    EXPECT_TRUE(g_Messages.empty());
}

TEST_F(SoundPlayerTest, DeviceFailuresFailInitSilently) {
    fake.bFailCreate = 1;
    EXPECT_EQ(CSoundPlayer(MakeFakeDevice, RecordMessage).Init(1), 0);
    fake.bFailCreate = 0;
    fake.bFailCooperative = 1;
    EXPECT_EQ(CSoundPlayer(MakeFakeDevice, RecordMessage).Init(1), 0);
    EXPECT_TRUE(fake.sizes.empty());
    EXPECT_TRUE(g_Messages.empty());

    EXPECT_EQ(CSoundPlayer(MakeFakeDevice, RecordMessage).LoadWave(144), 0);
    EXPECT_EQ(g_Messages, std::vector<std::string>{"Error - DS - Audio not initialized"});

    // Linux has no device; under Wine DirectSound may fail or open a null driver.
    CSoundPlayer platform(CreatePlatformAudioDevice, RecordMessage);
    const int opened = platform.Init(1);
#ifndef _WIN32
    EXPECT_EQ(opened, 0);
#endif
    if (opened) {
        EXPECT_EQ(platform.StartBackground(), 1);
    }
}

TEST_F(SoundPlayerTest, FailedLoadsMovePositionsUpAndOnlyTheInitThreadShowsMessages) {
    fake.nRefusedSize = kBoom;
    auto player = Opened();
    EXPECT_EQ(g_Messages, std::vector<std::string>(3, "Error - DS - CreateSoundBuffer"));
    ASSERT_EQ(player->BufferCount(), 7);
    g_Messages.clear();

    EXPECT_EQ(player->PlayExplosion(DrawFor(4)), 1);  // was a boom; now the first pop
    EXPECT_EQ(LastCall(), "play 4");
    EXPECT_EQ(fake.sizes[4], kPop);

    EXPECT_EQ(player->PlayExplosion(DrawFor(8)), 0);
    EXPECT_EQ(g_Messages, std::vector<std::string>{kBadIndex});

    // The render and preview threads fail the same way, without a box.
    int explosion = -1, play = -1;
    std::thread([&] { explosion = player->PlayExplosion(DrawFor(8)); }).join();
    std::thread([&] { play = player->Play(-1, 0); }).join();
    EXPECT_EQ(explosion, 0);
    EXPECT_EQ(play, 0);
    EXPECT_EQ(g_Messages.size(), 1u);
}

TEST_F(SoundPlayerTest, FillFailureIsReportedButTheBufferKept) {
    fake.bFailFill = 1;
    EXPECT_EQ(Opened()->BufferCount(), 10);
    EXPECT_EQ(g_Messages, std::vector<std::string>(10, "Error - DS - Reading Data"));
}

TEST_F(SoundPlayerTest, MuteOrExplosionsOffPlayNothing) {
    g_bMute = 1;
    auto muted = Opened();
    EXPECT_FALSE(muted->PlaysExplosions());
    EXPECT_EQ(muted->StartBackground(), 1);
    EXPECT_EQ(muted->PlayExplosion(DrawFor(3)), 1);
    EXPECT_EQ(muted->StopBackground(), 1);
    muted.reset();
    EXPECT_EQ(fake.nDevices, 0);

    g_bMute = 0;
    auto quiet = Opened(0);
    EXPECT_FALSE(quiet->PlaysExplosions());
    EXPECT_EQ(quiet->PlayExplosion(DrawFor(3)), 1);
    EXPECT_EQ(LastCall(), "");
    EXPECT_TRUE(g_Messages.empty());
}

TEST_F(SoundPlayerTest, ExplosionPlaysTheDrawsResidueOnce) {
    auto player = Opened();
    ASSERT_TRUE(player->PlaysExplosions());
    for (int position = 1; position <= 9; ++position) {
        EXPECT_EQ(player->PlayExplosion(DrawFor(position) + 9 * position), 1);
        EXPECT_EQ(LastCall(), "play " + std::to_string(position));
    }
    EXPECT_EQ(fake.playing, (std::vector<int>{0, 1, 1, 1, 1, 1, 1, 1, 1, 1}));
}

TEST_F(SoundPlayerTest, BackgroundLoopsPositionZeroAndAPlayingSoundIsNotRestarted) {
    auto player = Opened();
    EXPECT_EQ(player->StartBackground(), 1);
    EXPECT_EQ(player->StartBackground(), 1);
    EXPECT_EQ(player->StopBackground(), 1);
    EXPECT_EQ(player->StopBackground(), 1);
    EXPECT_EQ(fake.log, (std::vector<std::string>{"play 0 loop", "stop 0"}));
    EXPECT_TRUE(g_Messages.empty());
}

TEST_F(SoundPlayerTest, StatusAndStopFailuresAreReported) {
    auto player = Opened();
    ASSERT_EQ(player->StartBackground(), 1);
    fake.bFailStop = 1;
    EXPECT_EQ(player->StopBackground(), 0);
    fake.bFailStatus = 1;
    EXPECT_EQ(player->StartBackground(), 0);
    EXPECT_EQ(player->Stop(10), 0);
    EXPECT_EQ(g_Messages, (std::vector<std::string>{"Error - DS - Stop", "Error - DS - GetStatus", kBadIndex}));
    fake.bFailStop = fake.bFailStatus = 0;
}

TEST_F(SoundPlayerTest, DestructorStopsPlayingSoundsThenReleasesBuffersThenDevice) {
    auto player = Opened();
    player->StartBackground();
    player->Play(5, 0);
    fake.log.clear();
    player.reset();
    std::vector<std::string> expected{"stop 0", "stop 5"};
    for (int i = 0; i < 10; ++i) expected.push_back("release " + std::to_string(i));
    expected.push_back("release device");
    EXPECT_EQ(fake.log, expected);
}
// A record that asks for the crackle and the explosions at full volume.
Settings Sounding() {
    Settings settings;
    settings.ResetToLoadDefaults();
    settings.SetInt(SettingId::BackgroundSoundEnable, 1);
    settings.SetInt(SettingId::ExplosionSoundEnable, 1);
    settings.SetInt(SettingId::SoundVolume, 100);
    return settings;
}

TEST_F(SoundPlayerTest, AFireSoundsWhenItsSettingsAskAndStopsWhenItGoes) {
    {
        FireSound sound(MakeFakeDevice);
        sound.Start(Sounding());
        EXPECT_TRUE(sound.Playing());
        EXPECT_TRUE(sound.PlaysExplosions());
        EXPECT_EQ(LastCall(), "play 0 loop");
        sound.PlayExplosion(DrawFor(5));
        EXPECT_EQ(LastCall(), "play 5");
        sound.Start(Sounding());
        EXPECT_EQ(fake.nDevices, 1) << "started once";
    }
    EXPECT_NE(std::find(fake.log.begin(), fake.log.end(), "stop 0"), fake.log.end());

    Settings noExplosions = Sounding();
    noExplosions.SetInt(SettingId::ExplosionSoundEnable, 0);
    FireSound crackleOnly(MakeFakeDevice);
    crackleOnly.Start(noExplosions);
    EXPECT_TRUE(crackleOnly.Playing());
    EXPECT_FALSE(crackleOnly.PlaysExplosions());
}

TEST_F(SoundPlayerTest, AFireStaysSilentWithoutTheCrackleAtVolumeZeroMutedOrWithoutADevice) {
    Settings noCrackle = Sounding(), silent = Sounding();
    noCrackle.SetInt(SettingId::BackgroundSoundEnable, 0);
    silent.SetInt(SettingId::SoundVolume, 0);
    for (const Settings* settings : {&noCrackle, &silent}) {
        FireSound sound(MakeFakeDevice);
        sound.Start(*settings);
        EXPECT_FALSE(sound.Playing());
        EXPECT_FALSE(sound.PlaysExplosions());
    }
    g_bMute = 1;
    FireSound muted(MakeFakeDevice);
    muted.Start(Sounding());
    EXPECT_FALSE(muted.PlaysExplosions());
    g_bMute = 0;
    EXPECT_EQ(fake.nDevices, 0);

    fake.bFailCreate = 1;
    FireSound noDevice(MakeFakeDevice);
    noDevice.Start(Sounding());
    EXPECT_FALSE(noDevice.Playing());
    EXPECT_FALSE(noDevice.PlaysExplosions());
    noDevice.PlayExplosion(DrawFor(2));
    EXPECT_EQ(std::count_if(fake.log.begin(), fake.log.end(), [](const std::string& call) { return call.rfind("play", 0) == 0; }), 0);
}
}  // namespace
