// SPDX-License-Identifier: GPL-2.0-or-later
// The preview window in a host window, as the /p run and the configuration
// sheet make it.
#include "windows/saver/PreviewMode.h"
#include "windows/display/PreviewWnd.h"
#include "sound/SoundPlayer.h"
#include "tests/FakeAudioDevice.h"
#include "tests/win32/TestWindows.h"

#include <cstdint>
#include <new>

namespace {
class PreviewWindow : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        settings.SetInt(SettingId::TransitionOn, 0);  // no turbulence map to build
    }
    void TearDown() override {
        g_bMute = 0;
        CSoundPlayer::SetMainWindow(nullptr);
        WindowTest::TearDown();
    }
    Settings settings;
    SharedEngineState shared{1};
};
}  // namespace

TEST_F(PreviewWindow, AHostTooSmallForAnEngineGetsNoPreviewAndTheObjectGoesOnce) {
    // A client area 0 pixels high: three times that is no size for an engine.
    HostWindow host(240, 0);
    ASSERT_NE(host.Handle(), nullptr);
    TestHeap::KeepFreedBlocks(true);
    CPreviewWnd* preview = CPreviewWnd::New(settings, shared);
    ASSERT_NE(preview, nullptr);
    const BOOL created = preview->Create(host.Client(), host.Handle());
    TestHeap::KeepFreedBlocks(false);
    EXPECT_FALSE(created);
    EXPECT_TRUE(TestHeap::WasFreed(preview)) << "the object outlived its window";
    EXPECT_EQ(TestHeap::DoubleFrees(), 0);
    EXPECT_EQ(host.Children(), 0);

    // A parent that is no window: no window is made at all, and Create deletes the object.
    TestHeap::KeepFreedBlocks(true);
    preview = CPreviewWnd::New(settings, shared);
    ASSERT_NE(preview, nullptr);
    EXPECT_FALSE(preview->Create(host.Client(), reinterpret_cast<HWND>(static_cast<std::uintptr_t>(0x7654321))));
    TestHeap::KeepFreedBlocks(false);
    EXPECT_TRUE(TestHeap::WasFreed(preview)) << "the object was left behind";
    EXPECT_EQ(TestHeap::DoubleFrees(), 0);
}

TEST_F(PreviewWindow, NoMemoryToMakeAPreviewGivesNoPreviewAndNoException) {
    ExpectEachAllocationFailureGivesNull([this] { return CPreviewWnd::New(settings, shared); });
}

TEST_F(PreviewWindow, NoMemoryForThePreviewEndsThePreviewRunWithItsMessage) {
    HostWindow host(240, 180);
    EXPECT_FALSE(
        StartedWhileAllocationsOfSizeFail(sizeof(CFireEngine), [&] { return StartPreviewRun(host.Handle(), shared); }));
    EXPECT_EQ(RecordedMessages(), std::vector<std::string>{"Error allocating memory for preview window."});
    EXPECT_EQ(host.Children(), 0);
}

TEST_F(PreviewWindow, ADrawingThreadThatCannotStartFailsTheSetUp) {
    HostWindow host(240, 180);
    PreviewServices services;
    services.startThread = [](ThreadBody, void*) { return false; };
    CPreviewWnd* preview = CPreviewWnd::New(settings, shared, services);
    ASSERT_NE(preview, nullptr);
    EXPECT_FALSE(preview->Create(host.Client(), host.Handle())) << "a preview that never draws reported success";
    EXPECT_EQ(host.Children(), 0);
    EXPECT_EQ(PreviewRunning(), 0);
}

TEST_F(PreviewWindow, TheSheetsPreviewPlaysTheSoundsUnlessMuteIsTicked) {
    settings.SetInt(SettingId::BackgroundSoundEnable, 1);
    settings.SetInt(SettingId::ExplosionSoundEnable, 1);
    settings.SetInt(SettingId::SoundVolume, 100);
    PreviewServices services;
    services.makeAudioDevice = MakeFakeDevice;
    // Each preview goes with its host, after its thread has ended: only then
    // is the fake device's record looked at.
    auto showPreview = [&] {
        HostWindow host(240, 180);
        CPreviewWnd* preview = CPreviewWnd::New(settings, shared, services);
        EXPECT_TRUE(preview && preview->Create(host.Client(), host.Handle()));
        return host.Handle();
    };

    FakeAudio heard;
    g_pFake = &heard;
    g_bMute = 0;  // Mute not ticked
    const HWND host = showPreview();
    EXPECT_EQ(heard.nDevices, 1);
    EXPECT_EQ(heard.pWindow, host) << "the sound belongs to the preview's top-level window";
    ASSERT_FALSE(heard.log.empty());
    EXPECT_EQ(heard.log.front(), "play 0 loop") << "the background crackle";

    FakeAudio silent;
    g_pFake = &silent;
    g_bMute = 1;  // Mute ticked, and every /p preview
    showPreview();
    EXPECT_EQ(silent.nDevices, 0);
    EXPECT_TRUE(silent.log.empty());
    g_pFake = nullptr;
}
