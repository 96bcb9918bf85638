#include "saver/win32/CinderwellWnd.h"
#include "platform/MessageBox.h"
#include "saver/win32/GdiDesktopCapture.h"
#include "saver/win32/PasswordDlg.h"
#include "saver/win32/ProgressWindow.h"
#include "saver/win32/WindowObject.h"
#include "settings/Presets.h"
#include "sound/SoundPlayer.h"

namespace {
const char* const kWindowClass = "EmberluxSaverWindow";
}  // namespace

CCinderwellWnd::CCinderwellWnd() : m_pCinderwell(new CFireEngine) {}

CCinderwellWnd::~CCinderwellWnd() = default;

BOOL CCinderwellWnd::Create(const RECT& rect, HWND parent) {
    if (!RegisterWindowClass(kWindowClass, WindowProc, nullptr)) return FALSE;
    return CreateWindowExA(WS_EX_TOPMOST, kWindowClass, "", WS_POPUP | WS_VISIBLE, rect.left, rect.top,
                           rect.right - rect.left, rect.bottom - rect.top, parent, nullptr, GetModuleHandleA(nullptr),
                           this) != nullptr;
}

LRESULT CALLBACK CCinderwellWnd::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    CCinderwellWnd* self = AttachedObject(window, message, lParam, &CCinderwellWnd::m_hWnd);
    if (!self) return DefWindowProcA(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        const LRESULT result = DetachObject(window, message, wParam, lParam);
        self->PostNcDestroy();
        return result;
    }
    return self->OnMessage(message, wParam, lParam);
}

LRESULT CCinderwellWnd::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    RenderFlags& flags = SaverFlags();
    switch (message) {
    case WM_CREATE:
        if (DefWindowProcA(m_hWnd, message, wParam, lParam) == -1) return -1;
        return InitSaver() ? 0 : -1;
    case WM_CLOSE:
        OnClose();
        return 0;
    case WM_SYSCOMMAND:
        if (wParam == SC_SCREENSAVE || wParam == SC_CLOSE) return 0;
        break;
    case WM_SETCURSOR:
        SetCursor(nullptr);
        break;
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE && !flags.pauseRequested) PostClose();
        break;
    case WM_MOUSEMOVE: {
        const MousePoint point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        if (MouseMoveCloses(MonotonicMilliseconds() - m_nStartTicks, m_ptMouseRef, point)) PostClose();
        break;
    }
    case WM_LBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_SYSCHAR:
    case WM_CAPTURECHANGED:
    case WM_CANCELMODE:
        PostClose();
        break;
    case WM_NCACTIVATE:
        if (wParam == 0 && !flags.pauseRequested) return FALSE;
        break;
    case WM_POWERBROADCAST:
        if (wParam == PBT_APMQUERYSUSPEND) return BROADCAST_QUERY_DENY;
        break;
    case WM_PAINT: {
        PAINTSTRUCT paint;
        BeginPaint(m_hWnd, &paint);
        EndPaint(m_hWnd, &paint);
        return 0;
    }
    case WM_ERASEBKGND:
        return TRUE;
    case WM_NCPAINT:
        return 0;
    }
    return DefWindowProcA(m_hWnd, message, wParam, lParam);
}

bool CCinderwellWnd::InitSaver() {
    Settings settings;
    if (!settings.Load()) {
        ShowMessageBox(m_hWnd, "Error loading settings.", MessageIcon::None);
        return false;
    }
    if (!CyclePreset(settings)) return false;
    CSoundPlayer::SetMainWindow(m_hWnd);
    GdiDesktopCapture desktop;
    ProgressWindow progress;
    m_pCinderwell->SetDesktopSource(&desktop);
    m_pCinderwell->SetTurbulenceProgress(&progress);
    const int created = m_pCinderwell->Create(settings);
    m_pCinderwell->SetDesktopSource(nullptr);
    m_pCinderwell->SetTurbulenceProgress(nullptr);
    progress.End();
    if (!created) {
        ShowMessageBox(m_hWnd, "m_pCinderwell initialization's fault.", MessageIcon::None);
        return false;
    }
    FirePalette firePalette{}, systemPalette{};
    m_pCinderwell->CopyPalette(firePalette);
    HDC screen = GetDC(nullptr);
    GetSystemPaletteEntries(screen, 0, 256, reinterpret_cast<PALETTEENTRY*>(systemPalette.entries));
    ReleaseDC(nullptr, screen);
    int useDirectX = 1;
    settings.GetInt(SettingId::UseDirectX, useDirectX);
    settings.GetInt(SettingId::XRes, m_nXRes);
    settings.GetInt(SettingId::YRes, m_nYRes);
    if (!m_Output.OpenDisplay(m_hWnd, useDirectX != 0, m_nXRes, m_nYRes, firePalette, systemPalette)) return false;
    m_nStartTicks = MonotonicMilliseconds();
    SystemParametersInfoA(SPI_SCREENSAVERRUNNING, TRUE, &m_bPrevSaverRunning, 0);
    try {
        m_FrameBits.resize(static_cast<std::size_t>(m_nXRes) * m_nYRes);
    } catch (const std::bad_alloc&) {
        return false;
    }
    // The running flag is set before the thread starts, so a window destroyed
    // at once still waits for its thread.
    RenderFlags& flags = SaverFlags();
    flags.running = 1;
    HANDLE thread = CreateThread(nullptr, 0, RenderThreadProc, this, 0, nullptr);
    if (!thread) {
        flags.running = 0;
        return false;
    }
    CloseHandle(thread);
    return true;
}

DWORD WINAPI CCinderwellWnd::RenderThreadProc(LPVOID window) {
    RunRenderLoop(SaverFlags(), *static_cast<CCinderwellWnd*>(window));
    return 0;
}

int CCinderwellWnd::RenderFrame() {
    RenderFlags& flags = SaverFlags();
    if (flags.inFrame) return 0;
    flags.inFrame = 1;
    int shown = 0;
    if (m_pCinderwell->Step() && m_pCinderwell->RenderTo(m_FrameBits.data()))
        shown = m_Output.PresentFrame(m_hWnd, *m_pCinderwell, m_FrameBits.data(), flags.pauseRequested != 0);
    flags.inFrame = 0;
    return shown;
}

void CCinderwellWnd::PauseRendering() {
    if (::PauseRendering(SaverFlags())) m_Output.ShowSystemPalette();
}

void CCinderwellWnd::ResumeRendering() {
    if (CanResume(SaverFlags())) m_Output.ShowFirePalette();
    ::ResumeRendering(SaverFlags());
}

bool CCinderwellWnd::AskPassword() {
    PauseRendering();
    const INT_PTR result = CPasswordDlg(m_hWnd).DoModal();
    ResumeRendering();
    return result == IDOK;
}

void CCinderwellWnd::OnClose() {
    RenderFlags& flags = SaverFlags();
    if (flags.pauseRequested) return;
    Settings settings;
    settings.Load();
    std::string password;
    settings.GetString(SettingId::Password, password);
    if (!password.empty() && !AskPassword()) {
        POINT cursor{};
        GetCursorPos(&cursor);
        m_ptMouseRef = MousePoint{cursor.x, cursor.y};
        return;
    }
    StopRendering(flags);
    m_Output.RestoreDisplay();
    DestroyWindow(m_hWnd);
}

void CCinderwellWnd::PostNcDestroy() {
    // A set-up that failed after the display was switched still switches it back.
    m_Output.RestoreDisplay();
    SystemParametersInfoA(SPI_SCREENSAVERRUNNING, FALSE, &m_bPrevSaverRunning, 0);
    PostQuitMessage(0);
    delete this;
    CSoundPlayer::SetMainWindow(nullptr);
}
