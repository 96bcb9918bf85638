// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include <atomic>

// The flags the saver window's thread and its render thread share. Each side
// sets its own and polls the other's every 10 ms; no lock is taken.
struct RenderFlags {
    std::atomic<int> stopRequested{0};  // the render thread must end before its next frame
    std::atomic<int> running{0};        // the render thread is alive
    std::atomic<int> pauseRequested{0}; // the window thread wants the render thread parked
    std::atomic<int> paused{0};         // the render thread is parked
    std::atomic<int> inFrame{0};        // a frame is being rendered
};

// The process's flags of the full-screen saver and of the preview.
RenderFlags& SaverFlags();
std::atomic<int>& PreviewStop();
std::atomic<int>& PreviewRunning();

// Something that draws one frame: the saver window or the preview.
class FrameRenderer {
public:
    virtual ~FrameRenderer() = default;
    virtual int RenderFrame() = 0;
};

// Every frame takes at least this long, on the full screen as in the preview,
// so the fire moves as it was tuned on any machine.
constexpr int kFrameFloorMs = 25;

// Milliseconds since some fixed start; and a sleep. Both are the platform's.
long long MonotonicMilliseconds();
void SleepMilliseconds(int milliseconds);

// The render thread's body: frames back to back, each taking at least
// `frameFloorMs` (0: no pacing), parking while a pause is requested, until a
// stop is requested. It parks after the first frame that began with the pause
// asked for (a pause during a frame's sleep ends the sleep and takes one more
// frame, which the output blanks). The thread's creator has already set
// `running` (the pause flags are clear, as at process start); this clears it
// at the end. A pause asked for before the thread first runs parks it after
// its first frame.
void RunRenderLoop(RenderFlags& flags, FrameRenderer& renderer, int frameFloorMs = kFrameFloorMs);

// The preview thread's body: a frame at least every kFrameFloorMs until `stop`.
void RunPreviewLoop(std::atomic<int>& stop, std::atomic<int>& running, FrameRenderer& renderer);

// Asks the render thread to park after its current frame and waits until it has.
// False when it was already requested or no thread runs.
bool PauseRendering(RenderFlags& flags);
// Lets a parked render thread go on; false when there was nothing to resume.
bool ResumeRendering(RenderFlags& flags);
// Whether a parked render thread waits to be resumed.
inline bool CanResume(const RenderFlags& flags) { return flags.pauseRequested && flags.running; }
// Asks the render thread to end and waits until it has.
void StopRendering(RenderFlags& flags);
