// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include "platform/NonCopyable.h"
#include "run/FireFeed.h"
#include "run/ScreenPlan.h"
#include "windows/display/DisplayOutput.h"
#include "windows/display/WindowObject.h"
#include "settings/Settings.h"

#include <windows.h>

#include <memory>
#include <vector>

class FullScreenRun;

// One full-screen saver window: it covers one monitor and owns that monitor's
// fire and output. Input only asks the run to close; the
// run draws every window's frames on its render thread.
class CCinderwellWnd : private NonCopyable {
public:
    // A window object with its engine, which shares `shared` with the run's
    // other engines, for the window `plan` describes; null when memory runs out.
    static CCinderwellWnd* New(FullScreenRun& run, const WindowPlan& plan, SharedEngineState& shared);
    ~CCinderwellWnd();

    // Creates the window, hidden; its set-up runs inside and builds the engine
    // from `settings` at the plan's field size. On failure the object has already been deleted with its
    // window and must not be used again.
    BOOL Create(const Settings& settings);
    // Opens the output once the window is on the screen (DirectDraw keeps the
    // style it finds, so the window must be visible by then): 0 when the
    // display cannot be switched.
    int OpenOutput();
    // Steps the engine, renders and presents one frame (render thread only).
    int RenderFrame();
    void PauseOutput() { m_Output.ShowSystemPalette(); }
    void ResumeOutput() { m_Output.ShowFirePalette(); }
    // Switches the display back when this window changed it (once).
    void RestoreDisplay() { m_Output.RestoreDisplay(); }

    HWND Handle() const { return m_hWnd; }
    const WindowPlan& Plan() const { return m_Plan; }

private:
    CCinderwellWnd(FullScreenRun& run, const WindowPlan& plan, SharedEngineState& shared);
    template <class T>
    friend LRESULT CALLBACK ObjectWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    bool InitSaver();
    void OnNcDestroy();

    FullScreenRun& m_Run;
    WindowPlan m_Plan;
    HWND m_hWnd = nullptr;
    DeletionNotice m_Deletion;
    const Settings* m_pSettings = nullptr;  // only while the window is being created
    FireFeed m_Feed;
    DisplayOutput m_Output;
};
