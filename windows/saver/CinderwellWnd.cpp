// SPDX-License-Identifier: GPL-2.0-or-later
#include "windows/saver/CinderwellWnd.h"
#include "platform/MessageBox.h"
#include "windows/saver/FullScreenRun.h"
#include "windows/saver/GdiDesktopCapture.h"
#include "windows/saver/ProgressWindow.h"
#include "windows/saver/SystemPalette.h"
#include "windows/display/WindowObject.h"

#include <memory>
#include <new>

namespace {
const char* const kWindowClass = "EmberluxSaverWindow";
}  // namespace

CCinderwellWnd* CCinderwellWnd::New(FullScreenRun& run, const WindowPlan& plan, SharedEngineState& shared) {
    try {
        std::unique_ptr<CCinderwellWnd> window(new CCinderwellWnd(run, plan, shared));
        return window->m_Feed.MakeEngine() ? window.release() : nullptr;
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

CCinderwellWnd::CCinderwellWnd(FullScreenRun& run, const WindowPlan& plan, SharedEngineState& shared)
    : m_Run(run), m_Plan(plan), m_Feed(shared) {}

CCinderwellWnd::~CCinderwellWnd() = default;

BOOL CCinderwellWnd::Create(const Settings& settings) {
    m_pSettings = &settings;
    // Only the primary window takes the focus; the others never steal it.
    const DWORD exStyle = WS_EX_TOPMOST | (m_Plan.primary ? 0 : WS_EX_NOACTIVATE);
    const MonitorArea& area = m_Plan.area;
    const bool created = DeletionNotice::CreateOrDelete(this, &CCinderwellWnd::m_Deletion, [&] {
        return RegisterWindowClass(kWindowClass, ObjectWindowProc<CCinderwellWnd>, nullptr) &&
               CreateWindowExA(exStyle, kWindowClass, "", WS_POPUP, area.left, area.top, area.width, area.height,
                               nullptr, nullptr, GetModuleHandleA(nullptr), this);
    });
    if (created) m_pSettings = nullptr;
    return created ? TRUE : FALSE;
}

LRESULT CCinderwellWnd::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        if (DefWindowProcA(m_hWnd, message, wParam, lParam) == -1) return -1;
        return InitSaver() ? 0 : -1;
    case WM_CLOSE:
        if (m_Plan.primary) m_Run.Close();
        else m_Run.RequestClose();
        return 0;
    case WM_SYSCOMMAND:
        if (wParam == SC_SCREENSAVE || wParam == SC_CLOSE) return 0;
        break;
    case WM_SETCURSOR:
        SetCursor(nullptr);
        break;
    case WM_ACTIVATE:
        // Activation moving between the run's own windows is no deactivation.
        if (LOWORD(wParam) == WA_INACTIVE && !m_Run.AskingPassword() && !m_Run.Owns(reinterpret_cast<HWND>(lParam)))
            m_Run.RequestClose();
        break;
    case WM_MOUSEMOVE:
        m_Run.Input(UserInput::Motion, MousePoint{m_Plan.area.left + static_cast<short>(LOWORD(lParam)),
                                                  m_Plan.area.top + static_cast<short>(HIWORD(lParam))});
        break;
    case WM_LBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_RBUTTONDOWN:
        m_Run.Input(UserInput::Click);
        break;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_SYSCHAR:
        m_Run.Input(UserInput::Key);
        break;
    // Another window taking the pointer or the system cancelling modes ends it too.
    case WM_CAPTURECHANGED:
    case WM_CANCELMODE:
        m_Run.RequestClose();
        break;
    case WM_NCACTIVATE:
        if (wParam == 0 && !m_Run.AskingPassword()) return FALSE;
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

// Builds the engine while the window is still hidden, so the desktop it
// photographs is the user's and the turbulence progress shows on the desktop.
bool CCinderwellWnd::InitSaver() {
    if (m_Plan.primary) CSoundPlayer::SetMainWindow(m_hWnd);
    GdiDesktopCapture desktop(m_Plan.area);
    ProgressWindow progress;
    FireSetUp setUp;
    setUp.desktop = &desktop;
    setUp.progress = &progress;
    setUp.sound = m_Plan.primary;
    const bool created = m_Feed.Build(*m_pSettings, FieldSize{m_Plan.fieldWidth, m_Plan.fieldHeight}, setUp);
    progress.End();
    if (!created) {
        ShowMessageBox(m_hWnd, "m_pCinderwell initialization's fault.", MessageIcon::None);
        return false;
    }
    return true;
}

int CCinderwellWnd::OpenOutput() {
    m_Output.Prepare(m_hWnd, m_Plan.useDirectX, m_Plan.mayChangeMode, CaptureDialogPalette());
    return m_Output.Open(PresentSizes{m_Plan.fieldWidth, m_Plan.fieldHeight, m_Plan.outputWidth, m_Plan.outputHeight},
                         m_Feed.Palette());
}

int CCinderwellWnd::RenderFrame() {
    m_Output.SetBlank(SaverFlags().pauseRequested != 0);
    return m_Feed.Feed(m_Output, nullptr);
}

void CCinderwellWnd::OnNcDestroy() {
    // A set-up that failed after the display was switched still switches it back.
    m_Output.RestoreDisplay();
    if (m_Plan.primary) CSoundPlayer::SetMainWindow(nullptr);
    m_Run.WindowGone(this);
    m_Deletion.ObjectDeleted();
    delete this;
}
