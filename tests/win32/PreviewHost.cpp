// A stand-in for the Screen Saver Settings dialog: makes a window, starts the
// saver with "/p <its handle>", reports the saver's window inside it halfway
// through, closes it and checks that the saver ends with it.
// Usage: PreviewHost <saver path> <milliseconds>
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {
// Reports the saver's window inside the host: its class, title and size.
BOOL CALLBACK ReportChild(HWND child, LPARAM found) {
    char className[64] = {}, title[64] = {};
    GetClassNameA(child, className, sizeof className);
    GetWindowTextA(child, title, sizeof title);
    RECT rect{};
    GetClientRect(child, &rect);
    std::printf("child %s \"%s\" %ldx%ld\n", className, title, rect.right, rect.bottom);
    ++*reinterpret_cast<int*>(found);
    return TRUE;
}

LRESULT CALLBACK HostProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_TIMER && wParam == 1) {
        KillTimer(window, 1);
        int found = 0;
        EnumChildWindows(window, ReportChild, reinterpret_cast<LPARAM>(&found));
        if (!found) std::printf("no child window\n");
        std::fflush(stdout);
    }
    if (message == WM_TIMER && wParam == 2) DestroyWindow(window);
    if (message == WM_DESTROY) PostQuitMessage(0);
    return DefWindowProcA(window, message, wParam, lParam);
}
}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: PreviewHost <saver> <milliseconds>\n");
        return 2;
    }
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = HostProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    windowClass.lpszClassName = "EmberluxPreviewHost";
    RegisterClassA(&windowClass);
    RECT frame{0, 0, 240, 180};
    AdjustWindowRect(&frame, WS_OVERLAPPEDWINDOW, FALSE);
    HWND host = CreateWindowA("EmberluxPreviewHost", "Emberlux preview host", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | WS_VISIBLE, 100,
                              100, frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr,
                              GetModuleHandleA(nullptr), nullptr);
    POINT origin{0, 0};
    ClientToScreen(host, &origin);
    std::printf("client %ld %ld 240 180\n", origin.x, origin.y);
    std::fflush(stdout);

    std::string command = "\"" + std::string(argv[1]) + "\" /p " + std::to_string(reinterpret_cast<std::uintptr_t>(host));
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
        std::fprintf(stderr, "cannot start %s\n", argv[1]);
        return 2;
    }
    const UINT lifetime = static_cast<UINT>(std::atoi(argv[2]));
    SetTimer(host, 1, lifetime / 2, nullptr);
    SetTimer(host, 2, lifetime, nullptr);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) DispatchMessageA(&message);
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
