// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include "engine/SharedEngineState.h"
#include "run/InputRules.h"
#include "run/MonitorLayout.h"
#include "run/RenderLoop.h"

#include <windows.h>

#include <vector>

class CCinderwellWnd;

// A full-screen run: one saver window per monitor, each with its own fire, and
// one render thread that draws them in turn (engines share the random table,
// so they step one at a time). Any window's input ends the run; the primary
// window's thread closes every window together, after the password check
// when a password is set.
class FullScreenRun : public FrameRenderer {
public:
    // Its engines share `shared`, which outlives the run.
    explicit FullScreenRun(SharedEngineState& shared) : m_Shared(shared) {}
    // Loads the settings, moves on to the next preset, makes the windows, shows
    // them and starts the render thread. False when the run cannot start (a
    // message has been shown where the cause has one of its own).
    bool Start(MonitorList& monitors);
    int RenderFrame() override;

    // For the windows, on the window thread:
    void RequestClose();
    void Close();
    // The user's input to one of the windows; `screenPoint` is where the
    // pointer moved to (Motion only). Ends the run as a full-screen run ends.
    void Input(UserInput input, MousePoint screenPoint = kNoMouseReference);
    bool Owns(HWND window) const;
    bool AskingPassword() const { return m_bAskingPassword || SaverFlags().pauseRequested; }
    void WindowGone(CCinderwellWnd* window);

private:
    bool AskPassword();
    void DestroyWindows();

    SharedEngineState& m_Shared;
    std::vector<CCinderwellWnd*> m_Windows;  // primary first; each deletes itself with its window
    HWND m_hPrimary = nullptr;
    bool m_bAskingPassword = false;
    BOOL m_bPrevSaverRunning = FALSE;
    bool m_bSaverRunningSet = false;
    bool m_bStarted = false;  // the render thread runs: the last window to go ends the process
    MousePoint m_ptMouseRef = kNoMouseReference;
    long long m_nStartTicks = 0;
};
