// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include "engine/FireEngine.h"
#include "saver/win32/GdiPresenter.h"

#include <windows.h>
#include <ddraw.h>

#include <utility>
#include <vector>

// Puts the engine's indexed frames on the whole screen: through DirectDraw in
// an exclusive 8-bit palettized mode, or, when that is off or fails, through
// GDI with a display-mode change (a field smaller than the screen is scaled
// up, on the GDI path only).
class DisplayOutput {
public:
    DisplayOutput() = default;
    ~DisplayOutput() { ReleaseDirectDraw(); }
    DisplayOutput(const DisplayOutput&) = delete;
    DisplayOutput& operator=(const DisplayOutput&) = delete;

    // Opens DirectDraw when `useDirectX`, silently falling back to GDI; 0 when
    // the GDI display-mode change is refused or GDI cannot be set up. Without
    // `mayChangeMode` the GDI path draws at the window's size and leaves the
    // display mode alone. Frames are fieldWidth x fieldHeight; DirectDraw
    // takes only a field of the display's size.
    int OpenDisplay(HWND window, bool useDirectX, bool mayChangeMode, int width, int height, int fieldWidth,
                    int fieldHeight, const FirePalette& firePalette, const FirePalette& systemPalette);
    // Uploads a changed palette and copies the frame to the screen (a blank
    // screen on the DirectDraw path while `blank`). 1 when it reached the screen.
    int PresentFrame(CFireEngine& engine, const std::uint8_t* frame, bool blank);
    void ShowSystemPalette();
    void ShowFirePalette();
    // Lets go of the GDI objects and switches the display back to the mode it
    // had before the run (once).
    void RestoreDisplay();
    void ReleaseDirectDraw();

    // Appends every 8-bit palettized mode as (width, height); -1 without DirectDraw.
    static int ListDisplayModes(std::vector<std::pair<int, int>>& modes);

private:
    bool OpenDirectDraw(HWND window, const FirePalette& firePalette, const FirePalette& systemPalette);
    int OpenGdi(HWND window, bool mayChangeMode, int fieldWidth, int fieldHeight, const FirePalette& firePalette);
    int PresentDirectDraw(const std::uint8_t* frame, bool blank);

    bool m_bUseDirectX = false;
    bool m_bModeChanged = false;
    int m_nXRes = 0, m_nYRes = 0;
    LPDIRECTDRAWSURFACE m_pPrimarySurface = nullptr;
    LPDIRECTDRAWPALETTE m_pFirePalette = nullptr;
    LPDIRECTDRAWPALETTE m_pSystemPalette = nullptr;
    LPDIRECTDRAW m_pDirectDraw = nullptr;
    DEVMODEA m_dmSaved{};
    GdiPresenter m_Gdi;
    FirePalette m_Scratch{};
};

// DirectDraw, loaded at run time so that a system without it still runs on GDI.
LPDIRECTDRAW CreateDirectDraw();
