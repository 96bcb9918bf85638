// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include "platform/x11/X11Display.h"
#include "run/CloseRules.h"
#include "run/FrameRateOverlay.h"
#include "run/RenderLoop.h"
#include "linux/SaverOptions.h"
#include "linux/SaverScreen.h"

#include <memory>
#include <string>
#include <vector>

union SDL_Event;

// One run of the native saver: its screens, the input that may end it and
// the frame rate. Each frame it reads the window system's events, then
// steps and shows every screen in turn; ending the run is asking the render
// loop to stop.
class SdlSaver : public FrameRenderer {
public:
    // Its engines share `shared`, which outlives the run.
    SdlSaver(const SaverOptions& options, SharedEngineState& shared) : m_Options(options), m_Shared(shared) {}

    // Plans and opens every screen; false with one line in `error`.
    bool Open(std::string& error);
    int RenderFrame() override;

private:
    void Handle(const SDL_Event& event, long long now);
    void FollowForeignWindow(SaverScreen& screen);
    SaverScreen* ScreenOf(unsigned windowId);

    const SaverOptions& m_Options;
    SharedEngineState& m_Shared;
    X11Display m_X11;
    bool m_bX11 = false;
    bool m_bWatching = false;
    std::vector<std::unique_ptr<SaverScreen>> m_Screens;
    MousePoint m_MouseReference = kNoMouseReference;
    long long m_nStartTicks = 0;
    FrameRateMeter m_FrameRate;
};
