// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include "platform/NonCopyable.h"
#include "run/FramePresenter.h"
#include "windows/display/GdiPresenter.h"

#include <windows.h>
#include <ddraw.h>

#include <utility>
#include <vector>

// Puts indexed frames on the whole screen: through DirectDraw in an exclusive
// 8-bit palettized mode, or, when that is off or fails, through GDI with a
// display-mode change (a field smaller than the screen is scaled up, on the
// GDI path only).
class DisplayOutput : public FramePresenter, private NonCopyable {
public:
    ~DisplayOutput() override { ReleaseDirectDraw(); }

    // Where and how the next Open shows frames: in `window`, through
    // DirectDraw when `useDirectX` (silently falling back to GDI), with
    // `systemPalette` shown while the run asks for the password. Without
    // `mayChangeMode` the GDI path draws at the window's size and leaves the
    // display mode alone.
    void Prepare(HWND window, bool useDirectX, bool mayChangeMode, const FirePalette& systemPalette);
    // The output is the display mode to show; DirectDraw takes only a field
    // of that size. 0 when the GDI display-mode change is refused or GDI
    // cannot be set up.
    int Open(const PresentSizes& sizes, const FirePalette& palette) override;
    void SetPalette(const FirePalette& palette) override;
    // Copies the frame to the screen (a blank screen on the DirectDraw path
    // while blanked); the overlay is drawn on GDI's 32-bit pictures only. 1
    // when it reached the screen.
    int Present(const std::uint8_t* frame, const char* overlay) override;
    void Close() override;
    const char* Way() const override { return m_bUseDirectX ? "DirectDraw" : m_Gdi.Way(); }
    // While set, the DirectDraw path shows black (the render loop's pause).
    void SetBlank(bool blank) { m_bBlank = blank; }
    // Shows the system palette on the DirectDraw path, and returns once the
    // screen shows it and every frame before it: the password dialog can be
    // made over it then.
    void ShowSystemPalette();
    void ShowFirePalette();
    // Lets go of the GDI objects and switches the display back to the mode it
    // had before the run (once).
    void RestoreDisplay();
    void ReleaseDirectDraw();

    // Appends every 8-bit palettized mode as (width, height); -1 without DirectDraw.
    static int ListDisplayModes(std::vector<std::pair<int, int>>& modes);

private:
    bool OpenDirectDraw(const FirePalette& firePalette);
    int OpenGdi(const PresentSizes& sizes, const FirePalette& firePalette);
    int PresentDirectDraw(const std::uint8_t* frame);
    void MakeDrawnMark();
    void WaitUntilDrawn();

    HWND m_hWnd = nullptr;
    bool m_bWantDirectX = false, m_bMayChangeMode = false;
    FirePalette m_SystemPalette{};
    bool m_bUseDirectX = false;
    bool m_bBlank = false;
    bool m_bModeChanged = false;
    int m_nXRes = 0, m_nYRes = 0;
    LPDIRECTDRAWSURFACE m_pPrimarySurface = nullptr;
    LPDIRECTDRAWPALETTE m_pFirePalette = nullptr;
    LPDIRECTDRAWPALETTE m_pSystemPalette = nullptr;
    LPDIRECTDRAWSURFACE m_pDrawnMark = nullptr;
    LPDIRECTDRAW m_pDirectDraw = nullptr;
    DEVMODEA m_dmSaved{};
    GdiPresenter m_Gdi;
};

// DirectDraw, loaded at run time so that a system without it still runs on GDI.
LPDIRECTDRAW CreateDirectDraw();
