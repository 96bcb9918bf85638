// SPDX-License-Identifier: GPL-2.0-or-later
#include "saver/RenderLoop.h"

#include <chrono>
#include <thread>

RenderFlags& SaverFlags() {
    static RenderFlags flags;
    return flags;
}

std::atomic<int>& PreviewStop() {
    static std::atomic<int> stop{0};
    return stop;
}

std::atomic<int>& PreviewRunning() {
    static std::atomic<int> running{0};
    return running;
}

long long MonotonicMilliseconds() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

void SleepMilliseconds(int milliseconds) { std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds)); }

namespace {
// Sleeps out the rest of the frame in slices of at most 10 ms, so that a stop
// asked for meanwhile is seen at once even with a long frame.
void KeepFrameFloor(long long started, int frameFloorMs, const std::atomic<int>& stop) {
    for (long long rest = frameFloorMs - (MonotonicMilliseconds() - started); rest > 0 && !stop;
         rest = frameFloorMs - (MonotonicMilliseconds() - started))
        SleepMilliseconds(static_cast<int>(rest < 10 ? rest : 10));
}
}  // namespace

void RunRenderLoop(RenderFlags& flags, FrameRenderer& renderer, int frameFloorMs) {
    while (!flags.stopRequested) {
        const long long started = MonotonicMilliseconds();
        renderer.RenderFrame();
        KeepFrameFloor(started, frameFloorMs, flags.stopRequested);
        if (flags.pauseRequested) {
            flags.paused = 1;
            while (flags.pauseRequested && !flags.stopRequested) SleepMilliseconds(10);
            flags.paused = 0;
        }
    }
    flags.running = 0;
}

void RunPreviewLoop(std::atomic<int>& stop, std::atomic<int>& running, FrameRenderer& renderer) {
    while (!stop) {
        const long long started = MonotonicMilliseconds();
        renderer.RenderFrame();
        KeepFrameFloor(started, kFrameFloorMs, stop);
    }
    running = 0;
}

bool PauseRendering(RenderFlags& flags) {
    if (flags.pauseRequested || !flags.running) return false;
    flags.pauseRequested = 1;
    while (!flags.paused && flags.running) SleepMilliseconds(10);
    return true;
}

bool ResumeRendering(RenderFlags& flags) {
    if (!CanResume(flags)) return false;
    flags.pauseRequested = 0;
    return true;
}

void StopRendering(RenderFlags& flags) {
    flags.stopRequested = 1;
    while (flags.running) SleepMilliseconds(10);
}
