// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include "engine/FireEngine.h"
#include "platform/NonCopyable.h"
#include "run/FireSound.h"
#include "windows/rules/PreviewPalette.h"
#include "run/RenderLoop.h"
#include "windows/display/WindowObject.h"
#include "windows/display/WorkerThread.h"
#include "settings/Settings.h"

#include <windows.h>

#include <memory>
#include <vector>

// A child window showing the running fire inside another window: the host's
// preview area (/p) or the configuration sheet's. It renders at three times
// its size with an engine of its own and shrinks each frame with halftone
// stretching, at most one frame per 25 ms.
// What a preview takes from the system, replaced in tests: its sound output
// and the start of its drawing thread.
struct PreviewServices {
    AudioDeviceFactory makeAudioDevice = CreatePlatformAudioDevice;
    ThreadStarter startThread = StartWorkerThread;
};

class CPreviewWnd : public FrameRenderer, private NonCopyable {
public:
    // A preview object with its engine, which shares `shared` with the other
    // engines of the process, and its copy of `settings`; null when memory runs out.
    static CPreviewWnd* New(const SettingsReader& settings, SharedEngineState& shared,
                            const PreviewServices& services = {});
    ~CPreviewWnd() override;

    // Creates the window; when its engine cannot be built or its drawing
    // thread cannot start, the window is not created and the object has
    // deleted itself: the caller only drops its pointer.
    BOOL Create(const RECT& rect, HWND parent);
    // Shows a palette being edited (with the engine's desktop blend).
    int SetPreviewPalette(const FirePalette& palette);
    int RenderFrame() override;
    HWND Handle() const { return m_hWnd; }
    // Ends the message loop when the window goes (the preview run's main window).
    void QuitWhenDestroyed() { m_bQuitWhenDestroyed = true; }

private:
    CPreviewWnd(const SettingsReader& settings, SharedEngineState& shared, const PreviewServices& services);
    template <class T>
    friend LRESULT CALLBACK ObjectWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    // The window is gone: the object deletes itself.
    void OnNcDestroy();
    static DWORD WINAPI PreviewThreadProc(LPVOID window);
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    int SetUp(const CREATESTRUCTA& creation);

    HWND m_hWnd = nullptr;
    DeletionNotice m_Deletion;
    ThreadStarter m_pStartThread;
    bool m_bQuitWhenDestroyed = false;
    int m_nWidth = 0, m_nHeight = 0;
    FireSound m_Sound;  // declared before the engine, which plays into it
    std::unique_ptr<CFireEngine> m_pEngine;
    std::unique_ptr<Settings> m_pSettings;
    BITMAPINFOHEADER m_bmih{};
    PreviewPalette m_Palette;
    std::vector<std::uint8_t> m_IndexBits;
    std::vector<std::uint8_t> m_RGBBits;
};
