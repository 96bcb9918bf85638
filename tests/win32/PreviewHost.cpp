// SPDX-License-Identifier: GPL-2.0-or-later
// A stand-in for the Screen Saver Settings dialog: a window with a 240x180
// client area holding a preview, which runs until a stop file appears (or a
// minute has passed). It prints "client X Y W H" (the client area on the
// screen) once the window is up, the preview window once it appears inside, and
// how the saver ended.
// Usage: PreviewHost SAVER STOPFILE   runs "SAVER /p <window handle>"
//        PreviewHost --here STOPFILE  runs the preview window in this process,
//                                     as the saver's /p run makes it, so that
//                                     Wine shows what it draws
#include "windows/display/PreviewWnd.h"

#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <string>

namespace {
const UINT_PTR kPollTimer = 1, kGiveUpTimer = 2;
const char* g_pStopFile = "";

bool g_bChildSeen = false;

// Reports the preview window inside the host, once: its class, title and size.
BOOL CALLBACK ReportChild(HWND child, LPARAM) {
    char className[64] = {}, title[64] = {};
    GetClassNameA(child, className, sizeof className);
    GetWindowTextA(child, title, sizeof title);
    RECT rect{};
    GetClientRect(child, &rect);
    std::printf("child %s \"%s\" %ldx%ld\n", className, title, rect.right, rect.bottom);
    std::fflush(stdout);
    g_bChildSeen = true;
    return FALSE;
}

LRESULT CALLBACK HostProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_TIMER && !g_bChildSeen) EnumChildWindows(window, ReportChild, 0);
    const bool stop = GetFileAttributesA(g_pStopFile) != INVALID_FILE_ATTRIBUTES;
    if (message == WM_TIMER && (stop || wParam == kGiveUpTimer)) {
        if (!stop) std::printf("no stop file within a minute\n");
        if (!g_bChildSeen) std::printf("no child window\n");
        std::fflush(stdout);
        DestroyWindow(window);
    }
    if (message == WM_DESTROY) PostQuitMessage(0);
    return DefWindowProcA(window, message, wParam, lParam);
}

HWND MakeHost() {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = HostProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    windowClass.lpszClassName = "EmberluxPreviewHost";
    RegisterClassA(&windowClass);
    RECT frame{0, 0, 240, 180};
    AdjustWindowRect(&frame, WS_OVERLAPPEDWINDOW, FALSE);
    return CreateWindowA("EmberluxPreviewHost", "Emberlux preview host", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | WS_VISIBLE,
                         100, 100, frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr,
                         GetModuleHandleA(nullptr), nullptr);
}

bool StartSaver(const char* path, HWND host, PROCESS_INFORMATION& process) {
    std::string command = "\"" + std::string(path) + "\" /p " + std::to_string(reinterpret_cast<std::uintptr_t>(host));
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    return CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process);
}

bool StartHere(HWND host) {
    Settings settings;
    settings.Load();
    static SharedEngineState shared(1);
    CPreviewWnd* preview = CPreviewWnd::New(settings, shared);
    RECT client{};
    GetClientRect(host, &client);
    return preview && preview->Create(client, host);
}
}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: PreviewHost SAVER|--here STOPFILE\n");
        return 2;
    }
    g_pStopFile = argv[2];
    const bool here = std::string(argv[1]) == "--here";
    HWND host = MakeHost();
    PROCESS_INFORMATION process{};
    if (!host || (here ? !StartHere(host) : !StartSaver(argv[1], host, process))) {
        std::fprintf(stderr, "cannot start the preview\n");
        return 2;
    }
    POINT origin{0, 0};
    ClientToScreen(host, &origin);
    std::printf("client %ld %ld 240 180\n", origin.x, origin.y);
    std::fflush(stdout);
    SetTimer(host, kPollTimer, 100, nullptr);
    SetTimer(host, kGiveUpTimer, 60000, nullptr);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) DispatchMessageA(&message);
    if (here) return 0;
    if (WaitForSingleObject(process.hProcess, 5000) != WAIT_OBJECT_0) {
        std::printf("the saver did not end with its host window\n");
        TerminateProcess(process.hProcess, 3);
        return 1;
    }
    DWORD code = 0;
    GetExitCodeProcess(process.hProcess, &code);
    std::printf("the saver ended with code %lu\n", code);
    return code == 0 ? 0 : 1;
}
