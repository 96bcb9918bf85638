// SPDX-License-Identifier: GPL-2.0-or-later
#include "run/RenderLoop.h"

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
// (or a pause) asked for meanwhile is seen at once even with a long frame.
template <class Interrupted>
void KeepFrameFloor(long long started, int frameFloorMs, Interrupted interrupted) {
    for (long long rest = frameFloorMs - (MonotonicMilliseconds() - started); rest > 0 && !interrupted();
         rest = frameFloorMs - (MonotonicMilliseconds() - started))
        SleepMilliseconds(static_cast<int>(rest < 10 ? rest : 10));
}

void Park(RenderFlags& flags) {
    flags.paused = 1;
    while (flags.pauseRequested && !flags.stopRequested) SleepMilliseconds(10);
    flags.paused = 0;
}
}  // namespace

void RunRenderLoop(RenderFlags& flags, FrameRenderer& renderer, int frameFloorMs) {
    while (!flags.stopRequested) {
        // The thread parks only after a frame begun with the pause asked for:
        // that frame is the one the output blanks for the password dialog.
        const bool pausing = flags.pauseRequested != 0;
        const long long started = MonotonicMilliseconds();
        renderer.RenderFrame();
        if (pausing) Park(flags);
        else KeepFrameFloor(started, frameFloorMs, [&flags] { return flags.stopRequested || flags.pauseRequested; });
    }
    flags.running = 0;
}

void RunPreviewLoop(std::atomic<int>& stop, std::atomic<int>& running, FrameRenderer& renderer) {
    while (!stop) {
        const long long started = MonotonicMilliseconds();
        renderer.RenderFrame();
        KeepFrameFloor(started, kFrameFloorMs, [&stop] { return stop != 0; });
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
