// SPDX-License-Identifier: GPL-2.0-or-later
// Emberlux.scr: starts one of the four screen-saver modes the command line asks
// for and runs the message loop while a saver or preview window lives.
#include "windows/sheet/ChangePasswordDlg.h"
#include "windows/sheet/ConfigDialog.h"
#include "engine/SharedEngineState.h"
#include "platform/MessageBox.h"
#include "windows/rules/CommandLine.h"
#include "windows/saver/FullScreenRun.h"
#include "windows/saver/Win32MonitorList.h"
#include "windows/saver/PreviewMode.h"
#include "settings/RegistryStore.h"
#include "settings/Settings.h"

#include <windows.h>
#include <commctrl.h>

#include <cstdlib>
#include <ctime>
#include <memory>
#include <new>

namespace {
// True when a main window was made and the message loop is to run. The
// engines of the mode share `shared`, which lives until the loop has ended.
bool InitInstance(const char* commandLine, SharedEngineState& shared) {
    switch (ParseSaverMode(commandLine)) {
    case SaverMode::Configure:
        RunConfigurationSheet(nullptr, shared);
        return false;
    case SaverMode::FullScreen: {
        static FullScreenRun run(shared);
        Win32MonitorList monitors;
        return run.Start(monitors);
    }
    case SaverMode::Preview: {
        unsigned long long handle = 0;
        // Without a host window, or with a handle that names none, there is nothing to draw into.
        if (__argc < 3 || !ParsePreviewHandle(__argv[2], handle)) return false;
        HWND parent = reinterpret_cast<HWND>(static_cast<std::uintptr_t>(handle));
        return IsWindow(parent) && StartPreviewRun(parent, shared);
    }
    case SaverMode::ChangePassword: {
        Settings settings;
        settings.Load();
        CChangePasswordDlg(settings, settings, nullptr).DoModal();
        if (!settings.Save())
            ShowMessageBox(nullptr, "The settings could not be saved: the password has not been changed.",
                           MessageIcon::Stop);
        return false;
    }
    case SaverMode::Unknown:
        break;
    }
    ShowMessageBox(nullptr, "Unknown error in InitInstance().", MessageIcon::None);
    return false;
}
}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_PROGRESS_CLASS | ICC_BAR_CLASSES | ICC_TAB_CLASSES |
                                                       ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    // One seed per process, from the clock, as the C runtime's generator is seeded.
    std::unique_ptr<SharedEngineState> shared(
        new (std::nothrow) SharedEngineState(static_cast<std::uint32_t>(std::time(nullptr))));
    if (!shared) {
        ShowMessageBox(nullptr, "Unknown error in InitInstance().", MessageIcon::None);
        return 0;
    }
    if (InitInstance(commandLine ? commandLine : "", *shared)) {
        MSG message;
        while (GetMessageA(&message, nullptr, 0, 0) > 0) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
    RegistryStore::Release();
    return 0;
}
