// SPDX-License-Identifier: GPL-2.0-or-later
#include "windows/display/PreviewWnd.h"
#include "run/FrameConversion.h"
#include "windows/display/DrawnFrame.h"
#include "windows/display/WindowObject.h"
#include "settings/SettingsSnapshot.h"
#include "sound/SoundPlayer.h"

#include <new>

namespace {
const char* const kWindowClass = "EmberluxPreview";
}  // namespace

CPreviewWnd* CPreviewWnd::New(const SettingsReader& settings, SharedEngineState& shared,
                              const PreviewServices& services) {
    try {
        return new CPreviewWnd(settings, shared, services);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

// The sounds follow the settings and g_bMute: the /p run is always muted, the
// configuration sheet's preview plays them unless Mute is ticked.
CPreviewWnd::CPreviewWnd(const SettingsReader& settings, SharedEngineState& shared, const PreviewServices& services)
    : m_pStartThread(services.startThread), m_Sound(services.makeAudioDevice), m_pEngine(new CFireEngine(shared)),
      m_pSettings(new Settings) {
    m_pSettings->CopyFrom(settings);
}

CPreviewWnd::~CPreviewWnd() = default;

BOOL CPreviewWnd::Create(const RECT& rect, HWND parent) {
    const bool created = DeletionNotice::CreateOrDelete(this, &CPreviewWnd::m_Deletion, [&] {
        return RegisterWindowClass(kWindowClass, ObjectWindowProc<CPreviewWnd>, LoadCursorA(nullptr, IDC_ARROW)) &&
               CreateWindowExA(0, kWindowClass, "Preview", WS_CHILD | WS_VISIBLE, rect.left, rect.top,
                               rect.right - rect.left, rect.bottom - rect.top, parent, nullptr,
                               GetModuleHandleA(nullptr), this);
    });
    return created ? TRUE : FALSE;
}

void CPreviewWnd::OnNcDestroy() {
    if (m_bQuitWhenDestroyed) PostQuitMessage(0);
    m_Deletion.ObjectDeleted();
    delete this;
}

LRESULT CPreviewWnd::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        if (DefWindowProcA(m_hWnd, message, wParam, lParam) == -1) return -1;
        return SetUp(*reinterpret_cast<CREATESTRUCTA*>(lParam));
    case WM_DESTROY:
        PreviewStop() = 1;
        while (PreviewRunning()) SleepMilliseconds(10);
        if (CSoundPlayer::MainWindow() == GetAncestor(m_hWnd, GA_ROOT)) CSoundPlayer::SetMainWindow(nullptr);
        break;
    case WM_ERASEBKGND:
        return TRUE;
    }
    return DefWindowProcA(m_hWnd, message, wParam, lParam);
}

int CPreviewWnd::SetUp(const CREATESTRUCTA& creation) {
    if (m_nWidth == 0 || m_nHeight == 0) {
        m_nWidth = 3 * creation.cx;
        m_nHeight = 3 * creation.cy;
    }
    // The sound, when there is any, belongs to the window the preview sits in.
    CSoundPlayer::SetMainWindow(GetAncestor(m_hWnd, GA_ROOT));
    SettingsSnapshot snapshot;
    if (!snapshot.Create(*m_pSettings, m_nWidth, m_nHeight) || !m_pEngine->Create(snapshot)) return -1;
    m_Sound.Start(snapshot);
    m_pEngine->SetExplosionSink(&m_Sound);
    m_bmih.biSize = sizeof m_bmih;
    m_bmih.biWidth = m_nWidth;
    m_bmih.biHeight = m_nHeight;  // bottom-up
    m_bmih.biPlanes = 1;
    m_bmih.biBitCount = 32;
    m_bmih.biCompression = BI_RGB;
    try {
        m_RGBBits.assign(static_cast<std::size_t>(m_nWidth) * m_nHeight * 4, 0);
        m_IndexBits.assign(static_cast<std::size_t>(m_nWidth) * m_nHeight, 0);
    } catch (const std::bad_alloc&) {
        m_RGBBits = {};
        m_IndexBits = {};
        return 0;  // the window stays empty
    }
    FirePalette shown;
    m_pEngine->CopyPalette(shown);
    m_Palette.Start(m_pEngine->UnblendedPalette(), shown, m_pEngine->FadeScreen());
    PreviewStop() = 0;
    // The running flag is set before the thread starts, so that a window
    // destroyed at once still waits for its thread.
    PreviewRunning() = 1;
    if (m_pStartThread(PreviewThreadProc, this)) return 0;
    // A preview that would never draw is no preview: the window goes.
    PreviewRunning() = 0;
    return -1;
}

DWORD WINAPI CPreviewWnd::PreviewThreadProc(LPVOID window) {
    RunPreviewLoop(PreviewStop(), PreviewRunning(), *static_cast<CPreviewWnd*>(window));
    return 0;
}

int CPreviewWnd::SetPreviewPalette(const FirePalette& palette) { return m_Palette.Replace(palette); }

int CPreviewWnd::RenderFrame() {
    m_pEngine->Step();
    m_pEngine->RenderTo(m_IndexBits.data());
    IndexedToBottomUpRgb(m_IndexBits.data(), m_nWidth, m_nHeight, m_Palette.ForFrame(m_pEngine->FadeScreen()),
                         m_RGBBits.data());
    HDC dc = GetWindowDC(m_hWnd);
    if (!dc) return 0;
    RECT rect{};
    GetWindowRect(m_hWnd, &rect);
    int drawn = 0;
    if (SetStretchBltMode(dc, HALFTONE)) {
        SetBrushOrgEx(dc, 0, 0, nullptr);
        drawn = StretchDIBits(dc, 0, 0, rect.right - rect.left, rect.bottom - rect.top, 0, 0, m_nWidth, m_nHeight,
                              m_RGBBits.data(), reinterpret_cast<BITMAPINFO*>(&m_bmih), DIB_RGB_COLORS, SRCCOPY) > 0;
    }
    ReleaseDC(m_hWnd, dc);
    ShowDrawnFrame();
    return drawn;
}
