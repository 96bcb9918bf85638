// SPDX-License-Identifier: GPL-2.0-or-later
#include "windows/saver/FullScreenRun.h"
#include "platform/MessageBox.h"
#include "run/ScreenPlan.h"
#include "run/RunSettings.h"
#include "windows/saver/CinderwellWnd.h"
#include "windows/saver/PasswordDlg.h"
#include "windows/display/WorkerThread.h"

#include <algorithm>
#include <new>
#include <string>

namespace {
void ShowCannotStart() {
    ShowMessageBox(nullptr,
                   "Can't create main screen saver window.\nPlease Try to turn off \"Use DirectX mode\" option in "
                   "screensaver settings dialog.",
                   MessageIcon::None);
}

DWORD WINAPI RenderThreadProc(LPVOID run) {
    RunRenderLoop(SaverFlags(), *static_cast<FullScreenRun*>(run));
    return 0;
}
}  // namespace

bool FullScreenRun::Start(MonitorList& monitors) {
    Settings settings;
    const RunRecord record = PrepareRunSettings(SettingOptions(), true, settings);
    if (record == RunRecord::Unreadable) ShowMessageBox(nullptr, "Error loading settings.", MessageIcon::None);
    if (record != RunRecord::Ready) {
        ShowCannotStart();
        return false;
    }
    int useDirectX = 1, xRes = 0, yRes = 0, renderScale = 0;
    settings.GetInt(SettingId::UseDirectX, useDirectX);
    settings.GetInt(SettingId::RenderScale, renderScale);
    settings.GetInt(SettingId::XRes, xRes);
    settings.GetInt(SettingId::YRes, yRes);
    std::vector<WindowPlan> plans;
    try {
        std::vector<MonitorArea> reported;
        monitors.Enumerate(reported);
        plans = PlanFullScreen(ScreensToCover(reported), GetSystemMetrics(SM_CXSCREEN),
                               GetSystemMetrics(SM_CYSCREEN), xRes, yRes, useDirectX, renderScale);
        m_Windows.reserve(plans.size());
    } catch (const std::bad_alloc&) {
        ShowCannotStart();
        return false;
    }
    for (const WindowPlan& plan : plans) {
        CCinderwellWnd* window = CCinderwellWnd::New(*this, plan, m_Shared);
        if (!window) {
            DestroyWindows();
            ShowMessageBox(nullptr, "Error memory allocating for CCinderwellWnd.", MessageIcon::None);
            return false;
        }
        if (!window->Create(settings)) {
            DestroyWindows();
            ShowCannotStart();
            return false;
        }
        m_Windows.push_back(window);
        if (plan.primary) m_hPrimary = window->Handle();
    }
    SystemParametersInfoA(SPI_SCREENSAVERRUNNING, TRUE, &m_bPrevSaverRunning, 0);
    m_bSaverRunningSet = true;
    // Every window is on the screen before its output opens and before the
    // first frame: DirectDraw's exclusive mode keeps the window style it finds
    // (a hidden window could stay hidden from input), and a window DC taken
    // while its window is still being shown can stay clipped to nothing (seen
    // under Wine after a refused DirectDraw mode: black for good).
    for (auto window = m_Windows.rbegin(); window != m_Windows.rend(); ++window)
        ShowWindow((*window)->Handle(), (*window)->Plan().primary ? SW_SHOW : SW_SHOWNOACTIVATE);
    for (CCinderwellWnd* window : m_Windows) {
        UpdateWindow(window->Handle());
        if (!window->OpenOutput()) {
            DestroyWindows();
            ShowCannotStart();
            return false;
        }
    }
    m_nStartTicks = MonotonicMilliseconds();
    // The running flag is set before the thread starts, so windows destroyed
    // at once still wait for it.
    RenderFlags& flags = SaverFlags();
    flags.running = 1;
    if (!StartWorkerThread(RenderThreadProc, this)) {
        flags.running = 0;
        DestroyWindows();
        ShowCannotStart();
        return false;
    }
    m_bStarted = true;
    return true;
}

int FullScreenRun::RenderFrame() {
    RenderFlags& flags = SaverFlags();
    if (flags.inFrame) return 0;
    flags.inFrame = 1;
    int shown = 0;
    for (CCinderwellWnd* window : m_Windows) shown |= window->RenderFrame();
    flags.inFrame = 0;
    return shown;
}

void FullScreenRun::RequestClose() { PostMessageA(m_hPrimary, WM_CLOSE, 0, 0); }

void FullScreenRun::Close() {
    if (AskingPassword()) return;
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
    StopRendering(SaverFlags());
    for (CCinderwellWnd* window : m_Windows) window->RestoreDisplay();
    DestroyWindows();
}

// With one window the fire is parked while the dialog is up (DirectDraw shows
// the system palette and a blank screen behind it). With several, every
// window draws through GDI around the dialog and burns on.
bool FullScreenRun::AskPassword() {
    RenderFlags& flags = SaverFlags();
    const bool park = m_Windows.size() == 1;
    m_bAskingPassword = true;
    if (park && PauseRendering(flags)) m_Windows.front()->PauseOutput();
    const INT_PTR result = CPasswordDlg(m_hPrimary).DoModal();
    if (park) {
        if (CanResume(flags)) m_Windows.front()->ResumeOutput();
        ResumeRendering(flags);
    }
    m_bAskingPassword = false;
    return result == IDOK;
}

void FullScreenRun::Input(UserInput input, MousePoint screenPoint) {
    if (InputEndsRun(OutputMode::FullScreen, input, MonotonicMilliseconds() - m_nStartTicks, m_ptMouseRef, screenPoint))
        RequestClose();
}

bool FullScreenRun::Owns(HWND window) const {
    return window && std::any_of(m_Windows.begin(), m_Windows.end(),
                                 [window](const CCinderwellWnd* own) { return own->Handle() == window; });
}

// Secondary windows first, the primary last; each leaves the list as it goes.
void FullScreenRun::DestroyWindows() {
    for (std::size_t i = m_Windows.size(); i-- > 0;)
        if (i < m_Windows.size()) DestroyWindow(m_Windows[i]->Handle());
}

void FullScreenRun::WindowGone(CCinderwellWnd* window) {
    const auto gone = std::find(m_Windows.begin(), m_Windows.end(), window);
    if (gone == m_Windows.end()) return;
    m_Windows.erase(gone);
    if (!m_Windows.empty()) return;
    if (m_bSaverRunningSet) SystemParametersInfoA(SPI_SCREENSAVERRUNNING, FALSE, &m_bPrevSaverRunning, 0);
    m_bSaverRunningSet = false;
    // A run that never started has its failure still to tell: a quit message
    // now would close that message box at once.
    if (m_bStarted) PostQuitMessage(0);
}
