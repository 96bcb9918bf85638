// SPDX-License-Identifier: GPL-2.0-or-later
// The protocol between the window's thread and the render or preview thread,
// driven from several threads over a fake output. Built with the other tests
// and alone under ThreadSanitizer (preset linux-tsan): the fake output is
// plain memory, so any touch of it that the flags do not order is reported.
#include "windows/rules/PreviewPalette.h"
#include "run/RenderLoop.h"

#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <thread>
#include <vector>

namespace {
// An output that each frame fills with the frame's number. The window's
// thread may look at it only while the render thread is parked or gone.
class FakeOutput : public FrameRenderer {
public:
    int RenderFrame() override {
        const int number = m_nFrames + 1;
        if (number == 1) FirstFrame();
        for (int& pixel : m_Pixels) pixel = number;
        m_nFrames = number;
        return 1;
    }
    // The frames drawn; every pixel holds the number of the last one.
    int Frames() const { return m_nFrames; }
    bool Whole() const {
        for (int pixel : m_Pixels)
            if (pixel != m_Pixels[0]) return false;
        return true;
    }
    // What the window's thread does while the render thread is parked (the
    // palette switch of the password dialog): it writes to the output.
    void Touch() { m_Pixels.assign(m_Pixels.size(), -1); }

protected:
    virtual void FirstFrame() {}

private:
    std::vector<int> m_Pixels = std::vector<int>(256, 0);
    std::atomic<int> m_nFrames{0};
};

void WaitFor(const std::function<bool()>& condition) {
    while (!condition()) SleepMilliseconds(1);
}

// A render thread started as the saver window starts it: `running` is set first.
std::thread StartRenderThread(RenderFlags& flags, FrameRenderer& output) {
    flags.running = 1;
    return std::thread([&flags, &output] { RunRenderLoop(flags, output); });
}
}  // namespace

TEST(RenderLoop, ParksOnRequestLetsTheWindowUseTheOutputResumesAndStops) {
    RenderFlags flags;
    FakeOutput output;
    std::thread thread = StartRenderThread(flags, output);
    WaitFor([&] { return output.Frames() >= 2; });
    ASSERT_TRUE(PauseRendering(flags));
    EXPECT_TRUE(flags.paused);
    EXPECT_FALSE(PauseRendering(flags)) << "already paused";
    EXPECT_TRUE(output.Whole()) << "a frame was still being drawn";
    const int parkedAt = output.Frames();
    output.Touch();
    SleepMilliseconds(80);
    EXPECT_EQ(output.Frames(), parkedAt) << "no frame while parked";
    EXPECT_TRUE(CanResume(flags));
    EXPECT_TRUE(ResumeRendering(flags));
    WaitFor([&] { return output.Frames() >= parkedAt + 2; });
    StopRendering(flags);
    EXPECT_EQ(flags.running, 0);
    EXPECT_TRUE(output.Whole());
    thread.join();
    EXPECT_FALSE(ResumeRendering(flags)) << "nothing runs any more";
    EXPECT_FALSE(PauseRendering(flags));
}

TEST(RenderLoop, AStopWhileParkedEndsTheThread) {
    RenderFlags flags;
    FakeOutput output;
    std::thread thread = StartRenderThread(flags, output);
    WaitFor([&] { return output.Frames() >= 1; });
    ASSERT_TRUE(PauseRendering(flags));
    const int parkedAt = output.Frames();
    output.Touch();
    StopRendering(flags);
    EXPECT_EQ(flags.running, 0);
    EXPECT_EQ(output.Frames(), parkedAt) << "no frame after the stop";
    output.Touch();
    thread.join();
}

TEST(RenderLoop, AStopDuringTheFirstFrameWaitsForItAndDrawsNoOther) {
    // The first frame goes on until the stop has been asked for.
    struct SlowFirstFrame : FakeOutput {
        RenderFlags* flags = nullptr;
        std::atomic<int> inFirstFrame{0};
        void FirstFrame() override {
            inFirstFrame = 1;
            WaitFor([this] { return flags->stopRequested != 0; });
        }
    } output;
    RenderFlags flags;
    output.flags = &flags;
    std::thread thread = StartRenderThread(flags, output);
    WaitFor([&] { return output.inFirstFrame != 0; });
    StopRendering(flags);
    EXPECT_EQ(flags.running, 0);
    EXPECT_EQ(output.Frames(), 1);
    EXPECT_TRUE(output.Whole()) << "the stop returned before the frame was done";
    output.Touch();
    thread.join();
}

TEST(RenderLoop, AStopBeforeTheThreadRunsStillWaitsForIt) {
    for (int run = 0; run < 20; ++run) {
        RenderFlags flags;
        FakeOutput output;
        std::thread thread = StartRenderThread(flags, output);
        StopRendering(flags);
        EXPECT_EQ(flags.running, 0);
        output.Touch();  // the window frees the output now
        thread.join();
    }
}

TEST(RenderLoop, APauseAskedBeforeTheThreadRunsParksItAfterItsFirstFrame) {
    RenderFlags flags;
    FakeOutput output;
    flags.running = 1;
    std::thread window([&] { PauseRendering(flags); });
    WaitFor([&] { return flags.pauseRequested != 0; });
    std::thread render([&] { RunRenderLoop(flags, output); });
    WaitFor([&] { return flags.paused || output.Frames() >= 3; });
    EXPECT_TRUE(flags.paused) << "the render thread dropped the pause request and ran on";
    EXPECT_EQ(output.Frames(), 1);
    StopRendering(flags);
    window.join();
    render.join();
}

TEST(RenderLoop, APauseDuringTheFrameFloorParksOnlyAfterAFrameThatSawIt) {
    // The DirectDraw output blanks a frame drawn while the pause is asked for:
    // the password dialog must open on a blank screen, not on the last fire.
    struct PauseWatchingOutput : FakeOutput {
        explicit PauseWatchingOutput(const RenderFlags& flags) : flags(flags) {}
        int RenderFrame() override {
            lastSawPause = flags.pauseRequested.load();
            return FakeOutput::RenderFrame();
        }
        const RenderFlags& flags;
        std::atomic<int> lastSawPause{0};
    };
    RenderFlags flags;
    PauseWatchingOutput output(flags);
    flags.running = 1;
    std::thread thread([&] { RunRenderLoop(flags, output, 1000); });
    WaitFor([&] { return output.Frames() >= 1; });
    ASSERT_TRUE(PauseRendering(flags));  // asked while the first frame's floor is slept
    EXPECT_TRUE(output.lastSawPause) << "parked on a frame drawn before the pause";
    StopRendering(flags);
    thread.join();
}

TEST(RenderLoop, APreviewStopsWhenAsked) {
    std::atomic<int> stop{0}, running{1};
    FakeOutput output;
    std::thread thread([&] { RunPreviewLoop(stop, running, output); });
    WaitFor([&] { return output.Frames() >= 1; });
    stop = 1;
    WaitFor([&] { return running == 0; });
    output.Touch();
    thread.join();
}

namespace {
FirePalette Uniform(std::uint8_t value) {
    FirePalette palette;
    for (PaletteEntry& entry : palette.entries) entry = PaletteEntry{value, value, value, 0};
    return palette;
}

bool IsUniform(const FirePalette& palette) {
    for (const PaletteEntry& entry : palette.entries)
        if (entry.red != palette.entries[0].red || entry.green != entry.red || entry.blue != entry.red) return false;
    return true;
}

// A preview frame: converts through the palette of the hand-over.
class PreviewOutput : public FrameRenderer {
public:
    explicit PreviewOutput(PreviewPalette& palette) : m_Palette(palette) {}
    int RenderFrame() override {
        if (!IsUniform(m_Palette.ForFrame(0))) ++halfPalettes;
        ++frames;
        return 1;
    }
    std::atomic<int> frames{0}, halfPalettes{0};

private:
    PreviewPalette& m_Palette;
};
}  // namespace

TEST(PreviewPalette, FramesNeverSeeAHalfWrittenPalette) {
    PreviewPalette palette;
    palette.Start(Uniform(0), Uniform(0), 0);
    PreviewOutput output(palette);
    std::atomic<int> stop{0}, running{1}, editing{1};
    std::thread preview([&] { RunPreviewLoop(stop, running, output); });
    // The palette editor hands in palettes as fast as it can, from two threads.
    std::vector<std::thread> editors;
    for (int e = 0; e < 2; ++e)
        editors.emplace_back([&] {
            for (int k = 0; editing; k = (k + 1) % 256) palette.Replace(Uniform(static_cast<std::uint8_t>(k)));
        });
    WaitFor([&] { return output.frames >= 20; });
    editing = 0;
    for (std::thread& editor : editors) editor.join();
    stop = 1;
    preview.join();
    EXPECT_EQ(output.halfPalettes, 0);
}

TEST(PreviewPalette, ShowsEditsWithTheDesktopBlendUntilTheEngineDropsIt) {
    PreviewPalette palette;
    palette.Start(Uniform(10), Uniform(99), 50);
    EXPECT_EQ(palette.ForFrame(50).entries[0].red, 99) << "the engine's blended palette at first";
    palette.Replace(Uniform(20));
    const FirePalette& blended = palette.ForFrame(50);
    EXPECT_EQ(blended.entries[8].red, 20);
    EXPECT_EQ(blended.entries[9].red, 20 + 16) << "a step of 32 x 50 %";
    EXPECT_TRUE(IsUniform(palette.ForFrame(0))) << "the paper has burnt: the edited palette without the blend";
    EXPECT_EQ(palette.ForFrame(0).entries[9].red, 20);
    palette.Replace(Uniform(30));
    EXPECT_EQ(palette.ForFrame(50).entries[9].red, 30) << "no blend once it was dropped";
}
