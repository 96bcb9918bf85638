// SPDX-License-Identifier: GPL-2.0-or-later
#include "windows/display/DisplayOutput.h"

#include <cstring>

namespace {
template <class T>
void Release(T*& object) {
    if (object) object->Release();
    object = nullptr;
}

DDSURFACEDESC EmptyDescription() {
    DDSURFACEDESC description;
    std::memset(&description, 0, sizeof description);
    description.dwSize = sizeof description;
    return description;
}
}  // namespace

LPDIRECTDRAW CreateDirectDraw() {
    using CreateFunction = HRESULT(WINAPI*)(GUID*, LPDIRECTDRAW*, IUnknown*);
    static HMODULE library = LoadLibraryA("ddraw.dll");
    if (!library) return nullptr;
    auto create = reinterpret_cast<CreateFunction>(reinterpret_cast<void*>(GetProcAddress(library, "DirectDrawCreate")));
    LPDIRECTDRAW directDraw = nullptr;
    if (!create || FAILED(create(nullptr, &directDraw, nullptr))) return nullptr;
    return directDraw;
}

void DisplayOutput::Prepare(HWND window, bool useDirectX, bool mayChangeMode, const FirePalette& systemPalette) {
    m_hWnd = window;
    m_bWantDirectX = useDirectX;
    m_bMayChangeMode = mayChangeMode;
    m_SystemPalette = systemPalette;
    m_Gdi.SetWindow(window);
}

int DisplayOutput::Open(const PresentSizes& sizes, const FirePalette& palette) {
    m_nXRes = sizes.outputWidth;
    m_nYRes = sizes.outputHeight;
    m_bUseDirectX = m_bWantDirectX && !sizes.Scaled() && OpenDirectDraw(palette);
    return m_bUseDirectX ? 1 : OpenGdi(sizes, palette);
}

bool DisplayOutput::OpenDirectDraw(const FirePalette& firePalette) {
    bool modeSet = false;
    m_pDirectDraw = CreateDirectDraw();
    bool ok = m_pDirectDraw && SUCCEEDED(m_pDirectDraw->SetCooperativeLevel(m_hWnd, DDSCL_EXCLUSIVE | DDSCL_FULLSCREEN));
    ok = ok && SUCCEEDED(m_pDirectDraw->SetDisplayMode(m_nXRes, m_nYRes, 8));
    modeSet = ok;
    m_bModeChanged = ok;
    if (ok) {
        DDSURFACEDESC description = EmptyDescription();
        description.dwFlags = DDSD_CAPS;
        description.ddsCaps.dwCaps = DDSCAPS_PRIMARYSURFACE | DDSCAPS_VIDEOMEMORY;
        ok = SUCCEEDED(m_pDirectDraw->CreateSurface(&description, &m_pPrimarySurface, nullptr));
    }
    auto entries = [](const FirePalette& palette) {
        return reinterpret_cast<PALETTEENTRY*>(const_cast<PaletteEntry*>(palette.entries));
    };
    ok = ok && SUCCEEDED(m_pDirectDraw->CreatePalette(DDPCAPS_8BIT | DDPCAPS_ALLOW256, entries(firePalette),
                                                      &m_pFirePalette, nullptr));
    ok = ok && SUCCEEDED(m_pDirectDraw->CreatePalette(DDPCAPS_8BIT | DDPCAPS_ALLOW256, entries(m_SystemPalette),
                                                      &m_pSystemPalette, nullptr));
    ok = ok && SUCCEEDED(m_pPrimarySurface->SetPalette(m_pFirePalette));
    if (ok) MakeDrawnMark();
    if (ok) return true;
    if (modeSet) m_pDirectDraw->RestoreDisplayMode();
    m_bModeChanged = false;
    ReleaseDirectDraw();
    return false;
}

int DisplayOutput::OpenGdi(const PresentSizes& sizes, const FirePalette& firePalette) {
    m_dmSaved.dmSize = sizeof m_dmSaved;
    EnumDisplaySettingsA(nullptr, ENUM_CURRENT_SETTINGS, &m_dmSaved);
    if (m_bMayChangeMode &&
        (static_cast<int>(m_dmSaved.dmPelsHeight) != m_nYRes || static_cast<int>(m_dmSaved.dmPelsWidth) != m_nXRes)) {
        DEVMODEA mode = m_dmSaved;
        mode.dmPelsWidth = static_cast<DWORD>(m_nXRes);
        mode.dmPelsHeight = static_cast<DWORD>(m_nYRes);
        mode.dmSize = sizeof mode;
        mode.dmFields = DM_PELSWIDTH | DM_PELSHEIGHT;
        if (ChangeDisplaySettingsA(&mode, CDS_FULLSCREEN) != DISP_CHANGE_SUCCESSFUL) return 0;
        m_bModeChanged = true;
        // A mode larger than the desktop the window was made for: cover it all.
        SetWindowPos(m_hWnd, HWND_TOPMOST, 0, 0, m_nXRes, m_nYRes, SWP_NOACTIVATE);
    }
    return m_Gdi.Open(sizes, firePalette);
}

void DisplayOutput::SetPalette(const FirePalette& palette) {
    if (m_bUseDirectX)
        m_pFirePalette->SetEntries(0, 0, 255, reinterpret_cast<PALETTEENTRY*>(const_cast<PaletteEntry*>(palette.entries)));
    else m_Gdi.SetPalette(palette);
}

int DisplayOutput::Present(const std::uint8_t* frame, const char* overlay) {
    return m_bUseDirectX ? PresentDirectDraw(frame) : m_Gdi.Present(frame, overlay);
}

void DisplayOutput::Close() {
    RestoreDisplay();
    ReleaseDirectDraw();
    m_bUseDirectX = false;
}

int DisplayOutput::PresentDirectDraw(const std::uint8_t* frame) {
    DDSURFACEDESC description = EmptyDescription();
    if (FAILED(m_pPrimarySurface->Lock(nullptr, &description, DDLOCK_WAIT, nullptr))) return 0;
    auto* surface = static_cast<std::uint8_t*>(description.lpSurface);
    for (int y = 0; y < m_nYRes; ++y) {
        std::uint8_t* row = surface + static_cast<std::size_t>(y) * description.lPitch;
        if (m_bBlank) std::memset(row, 0, static_cast<std::size_t>(m_nXRes));
        else std::memcpy(row, frame + static_cast<std::size_t>(y) * m_nXRes, static_cast<std::size_t>(m_nXRes));
    }
    return SUCCEEDED(m_pPrimarySurface->Unlock(nullptr)) ? 1 : 0;
}

void DisplayOutput::ShowSystemPalette() {
    if (!m_bUseDirectX) return;
    m_pPrimarySurface->SetPalette(m_pSystemPalette);
    WaitUntilDrawn();
}

void DisplayOutput::ShowFirePalette() {
    if (m_bUseDirectX) m_pPrimarySurface->SetPalette(m_pFirePalette);
}

void DisplayOutput::RestoreDisplay() {
    m_Gdi.Close();
    if (!m_bModeChanged) return;
    m_bModeChanged = false;
    if (m_bUseDirectX) {
        for (int attempt = 0; FAILED(m_pDirectDraw->RestoreDisplayMode()) && attempt < 50; ++attempt) Sleep(333);
        ReleaseDirectDraw();
    } else {
        DEVMODEA mode = m_dmSaved;
        mode.dmSize = sizeof mode;
        mode.dmFields = DM_PELSWIDTH | DM_PELSHEIGHT;
        ChangeDisplaySettingsA(&mode, CDS_FULLSCREEN);
    }
}

// A one-pixel surface of the screen's format for WaitUntilDrawn to copy the
// screen into; without it the output works all the same, without that wait.
void DisplayOutput::MakeDrawnMark() {
    DDSURFACEDESC description = EmptyDescription();
    description.dwFlags = DDSD_CAPS | DDSD_WIDTH | DDSD_HEIGHT;
    description.ddsCaps.dwCaps = DDSCAPS_OFFSCREENPLAIN | DDSCAPS_SYSTEMMEMORY;
    description.dwWidth = 1;
    description.dwHeight = 1;
    if (FAILED(m_pDirectDraw->CreateSurface(&description, &m_pDrawnMark, nullptr))) m_pDrawnMark = nullptr;
}

// Returns once DirectDraw has carried out every frame and palette change asked
// for so far: a copy from the screen is queued behind them, and a lock waits
// for the copy. Under Wine they are drawn through OpenGL by a thread of Wine's
// own, on the X connection that making a window uses too; a window made while
// that thread still draws can leave both waiting for each other in Xlib for good.
void DisplayOutput::WaitUntilDrawn() {
    if (!m_pDrawnMark) return;
    RECT pixel{0, 0, 1, 1};
    if (FAILED(m_pDrawnMark->Blt(&pixel, m_pPrimarySurface, &pixel, DDBLT_WAIT, nullptr))) return;
    DDSURFACEDESC description = EmptyDescription();
    if (SUCCEEDED(m_pDrawnMark->Lock(nullptr, &description, DDLOCK_WAIT, nullptr))) m_pDrawnMark->Unlock(nullptr);
}

void DisplayOutput::ReleaseDirectDraw() {
    Release(m_pDrawnMark);
    Release(m_pSystemPalette);
    Release(m_pFirePalette);
    Release(m_pPrimarySurface);
    Release(m_pDirectDraw);
}

namespace {
HRESULT WINAPI CollectPalettizedMode(LPDDSURFACEDESC description, LPVOID context) {
    if (description->ddpfPixelFormat.dwFlags & DDPF_PALETTEINDEXED8)
        static_cast<std::vector<std::pair<int, int>>*>(context)->emplace_back(static_cast<int>(description->dwWidth),
                                                                             static_cast<int>(description->dwHeight));
    return DDENUMRET_OK;
}
}  // namespace

int DisplayOutput::ListDisplayModes(std::vector<std::pair<int, int>>& modes) {
    LPDIRECTDRAW directDraw = CreateDirectDraw();
    if (!directDraw) return -1;
    const HRESULT result = directDraw->EnumDisplayModes(0, nullptr, &modes, CollectPalettizedMode);
    directDraw->Release();
    return FAILED(result) ? -1 : static_cast<int>(modes.size());
}
