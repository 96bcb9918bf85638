#pragma once
#include "engine/FireEngine.h"
#include "saver/CloseRules.h"
#include "saver/RenderLoop.h"
#include "saver/win32/DisplayOutput.h"

#include <windows.h>

#include <memory>
#include <vector>

// The full-screen saver window: it owns the fire engine, the frame buffer and
// the output, and a render thread that produces frames until it is told to stop.
// Any key, click, deactivation or noticeable mouse movement ends the run, after
// the password check when a password is set.
class CCinderwellWnd : public FrameRenderer {
public:
    CCinderwellWnd();
    ~CCinderwellWnd() override;
    CCinderwellWnd(const CCinderwellWnd&) = delete;
    CCinderwellWnd& operator=(const CCinderwellWnd&) = delete;

    // Creates the window; its set-up runs inside. On failure the object has
    // already been deleted with its window and must not be used again.
    BOOL Create(const RECT& rect, HWND parent);
    int RenderFrame() override;

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static DWORD WINAPI RenderThreadProc(LPVOID window);
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    bool InitSaver();
    void OnClose();
    void PostClose() { PostMessageA(m_hWnd, WM_CLOSE, 0, 0); }
    void PauseRendering();
    void ResumeRendering();
    bool AskPassword();
    void PostNcDestroy();

    HWND m_hWnd = nullptr;
    int m_nXRes = 0, m_nYRes = 0;
    BOOL m_bPrevSaverRunning = FALSE;
    MousePoint m_ptMouseRef = kNoMouseReference;
    long long m_nStartTicks = 0;
    std::unique_ptr<CFireEngine> m_pCinderwell;
    DisplayOutput m_Output;
    std::vector<std::uint8_t> m_FrameBits;
};
