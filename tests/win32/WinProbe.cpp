// SPDX-License-Identifier: GPL-2.0-or-later
// What the end-to-end tests of the saver ask Windows (Wine) directly:
//
//   WinProbe monitors                 the monitors as Windows sees them: "monitors N", then
//                                     "monitor LEFT TOP RIGHT BOTTOM [primary]" for each
//   WinProbe regbytes KEY VALUE       the stored bytes of a value of HKEY_CURRENT_USER\KEY in hex
//   WinProbe regset KEY VALUE HEX     stores those bytes and a zero as a string value there
//   WinProbe texts CAPTION            waits up to 20 s for a window of that caption and prints
//                                     the texts of its controls, one a line
//   WinProbe press CAPTION ID         presses button ID of the window of that caption
//   WinProbe focused CAPTION          waits up to 20 s until the window of that caption is
//                                     the foreground window and holds the keyboard focus
//                                     (itself or a control of it): keys typed then reach it
//   WinProbe backdrop L,T,W,H,RRGGBB...
//                                     covers each rectangle with a window of that colour and
//                                     keeps them until the process is ended
//   WinProbe activate                 opens a window and makes it the active one for 20 s
//   WinProbe windows                  the saver's windows that Windows shows (and so gives
//                                     input to): "LEFT TOP RIGHT BOTTOM" each, in order
//   WinProbe mouse X Y | click X Y    the mouse moved to, or clicked at, point (X, Y) of
//                                     the screen, told to the saver's window there
//   WinProbe key                      the space bar pressed, told to the primary monitor's one
// Exit code 0 on success.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {
int Fail(const char* what) {
    std::fprintf(stderr, "WinProbe: %s\n", what);
    return 1;
}

BOOL CALLBACK PrintMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    GetMonitorInfoA(monitor, &info);
    const RECT& r = info.rcMonitor;
    std::printf("monitor %ld %ld %ld %ld%s\n", r.left, r.top, r.right, r.bottom,
                (info.dwFlags & MONITORINFOF_PRIMARY) ? " primary" : "");
    return TRUE;
}

int Monitors() {
    std::printf("monitors %d\n", GetSystemMetrics(SM_CMONITORS));
    return EnumDisplayMonitors(nullptr, nullptr, PrintMonitor, 0) ? 0 : Fail("cannot list the monitors");
}

int RegBytes(const char* path, const char* name) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, path, 0, KEY_READ, &key) != ERROR_SUCCESS) return Fail("no such key");
    BYTE data[1024];
    DWORD size = sizeof data, type = 0;
    const LONG result = RegQueryValueExA(key, name, nullptr, &type, data, &size);
    RegCloseKey(key);
    if (result != ERROR_SUCCESS) return Fail("no such value");
    for (DWORD k = 0; k < size; ++k) std::printf("%02x", data[k]);
    std::printf("\n");
    return 0;
}

int RegSet(const char* path, const char* name, const char* hex) {
    std::vector<BYTE> data;
    for (const char* digit = hex; digit[0] && digit[1]; digit += 2) {
        const char pair[3] = {digit[0], digit[1], 0};
        data.push_back(static_cast<BYTE>(std::strtoul(pair, nullptr, 16)));
    }
    data.push_back(0);
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, path, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) != ERROR_SUCCESS)
        return Fail("cannot make the key");
    const LONG result = RegSetValueExA(key, name, 0, REG_SZ, data.data(), static_cast<DWORD>(data.size()));
    RegCloseKey(key);
    return result == ERROR_SUCCESS ? 0 : Fail("cannot store the value");
}

HWND WaitForWindow(const char* caption) {
    for (int k = 0; k < 200; ++k, Sleep(100))
        if (HWND window = FindWindowA(nullptr, caption)) return window;
    return nullptr;
}

BOOL CALLBACK PrintText(HWND control, LPARAM) {
    char text[512] = {};
    GetWindowTextA(control, text, sizeof text);
    std::printf("%s\n", text);
    return TRUE;
}

int Texts(const char* caption) {
    HWND window = WaitForWindow(caption);
    if (!window) return Fail("no such window");
    EnumChildWindows(window, PrintText, 0);
    return 0;
}

int Press(const char* caption, int id) {
    HWND window = WaitForWindow(caption);
    if (!window) return Fail("no such window");
    PostMessageA(window, WM_COMMAND, static_cast<WPARAM>(id), 0);
    return 0;
}

bool HoldsTheKeyboard(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    return GetForegroundWindow() == window &&
           GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info) && info.hwndFocus &&
           (info.hwndFocus == window || IsChild(window, info.hwndFocus));
}

int Focused(const char* caption) {
    HWND window = WaitForWindow(caption);
    if (!window) return Fail("no such window");
    for (int k = 0; k < 200; ++k, Sleep(100))
        if (HoldsTheKeyboard(window)) return 0;
    return Fail("the window never took the keyboard");
}

LRESULT CALLBACK ColourProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_ERASEBKGND) {
        RECT client;
        GetClientRect(window, &client);
        HBRUSH brush = CreateSolidBrush(static_cast<COLORREF>(GetWindowLongPtrA(window, GWLP_USERDATA)));
        FillRect(reinterpret_cast<HDC>(wParam), &client, brush);
        DeleteObject(brush);
        return 1;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

HWND ColourWindow(int left, int top, int width, int height, COLORREF colour) {
    static bool registered = false;
    if (!registered) {
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = ColourProc;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = "EmberluxProbe";
        registered = RegisterClassA(&windowClass) != 0;
    }
    HWND window = CreateWindowExA(0, "EmberluxProbe", "Emberlux probe", WS_POPUP, left, top, width, height, nullptr,
                                  nullptr, GetModuleHandleA(nullptr), nullptr);
    if (window) SetWindowLongPtrA(window, GWLP_USERDATA, static_cast<LONG_PTR>(colour));
    return window;
}

int RunMessages(UINT lifetime) {
    if (lifetime) SetTimer(nullptr, 0, lifetime, nullptr);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (message.message == WM_TIMER && !message.hwnd) return 1;
        DispatchMessageA(&message);
    }
    return 0;
}

int Backdrop(int count, char** rects) {
    for (int k = 0; k < count; ++k) {
        int left, top, width, height;
        unsigned colour;
        if (std::sscanf(rects[k], "%d,%d,%d,%d,%x", &left, &top, &width, &height, &colour) != 5)
            return Fail("a rectangle is LEFT,TOP,WIDTH,HEIGHT,RRGGBB");
        HWND window = ColourWindow(left, top, width, height, RGB(colour >> 16, (colour >> 8) & 0xFF, colour & 0xFF));
        if (!window) return Fail("cannot make a window");
        ShowWindow(window, SW_SHOWNOACTIVATE);
    }
    std::printf("shown\n");
    std::fflush(stdout);
    return RunMessages(0);
}

int Activate() {
    HWND window = ColourWindow(0, 0, 64, 64, RGB(0, 0, 0));
    if (!window) return Fail("cannot make a window");
    ShowWindow(window, SW_SHOW);
    SetForegroundWindow(window);
    SetActiveWindow(window);
    std::printf(GetForegroundWindow() == window ? "active\n" : "not active\n");
    std::fflush(stdout);
    return RunMessages(20000);
}

bool IsShownSaverWindow(HWND window) {
    char className[64] = {};
    GetClassNameA(window, className, sizeof className);
    return !std::strcmp(className, "EmberluxSaverWindow") && IsWindowVisible(window);
}

BOOL CALLBACK ListSaverWindow(HWND window, LPARAM rects) {
    RECT rect{};
    if (IsShownSaverWindow(window) && GetWindowRect(window, &rect))
        reinterpret_cast<std::vector<RECT>*>(rects)->push_back(rect);
    return TRUE;
}

int SaverWindows() {
    std::vector<RECT> rects;
    EnumWindows(ListSaverWindow, reinterpret_cast<LPARAM>(&rects));
    std::sort(rects.begin(), rects.end(), [](const RECT& a, const RECT& b) { return a.left < b.left; });
    for (const RECT& r : rects) std::printf("%ld %ld %ld %ld\n", r.left, r.top, r.right, r.bottom);
    return 0;
}

// The saver's window that covers screen point (x, y).
struct WindowAt {
    POINT point;
    HWND window;
};

BOOL CALLBACK FindSaverWindow(HWND window, LPARAM found) {
    auto* at = reinterpret_cast<WindowAt*>(found);
    RECT rect{};
    if (!IsShownSaverWindow(window) || !GetWindowRect(window, &rect) || !PtInRect(&rect, at->point)) return TRUE;
    at->window = window;
    return FALSE;
}

// Moves the mouse to screen point (x, y), or clicks there, as the message the
// saver's window under it receives. Input goes to the saver's windows
// directly: X and Wine route real input to whichever window they believe is
// under the pointer or active, which need not be it.
int Mouse(int x, int y, UINT message) {
    WindowAt at{{x, y}, nullptr};
    EnumWindows(FindSaverWindow, reinterpret_cast<LPARAM>(&at));
    if (!at.window) return Fail("no saver window there");
    SetCursorPos(x, y);
    POINT client = at.point;
    ScreenToClient(at.window, &client);
    PostMessageA(at.window, message, message == WM_LBUTTONDOWN ? MK_LBUTTON : 0, MAKELPARAM(client.x, client.y));
    return 0;
}

// The space bar pressed, told to the primary monitor's saver window.
int Key() {
    WindowAt at{{0, 0}, nullptr};
    EnumWindows(FindSaverWindow, reinterpret_cast<LPARAM>(&at));
    if (!at.window) return Fail("no saver window");
    PostMessageA(at.window, WM_KEYDOWN, VK_SPACE, 1);
    PostMessageA(at.window, WM_KEYUP, VK_SPACE, 0xC0000001);
    return 0;
}
}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return Fail("no command");
    const char* verb = argv[1];
    if (!std::strcmp(verb, "monitors")) return Monitors();
    if (!std::strcmp(verb, "regbytes") && argc == 4) return RegBytes(argv[2], argv[3]);
    if (!std::strcmp(verb, "regset") && argc == 5) return RegSet(argv[2], argv[3], argv[4]);
    if (!std::strcmp(verb, "texts") && argc == 3) return Texts(argv[2]);
    if (!std::strcmp(verb, "press") && argc == 4) return Press(argv[2], std::atoi(argv[3]));
    if (!std::strcmp(verb, "focused") && argc == 3) return Focused(argv[2]);
    if (!std::strcmp(verb, "backdrop") && argc >= 3) return Backdrop(argc - 2, argv + 2);
    if (!std::strcmp(verb, "activate")) return Activate();
    if (!std::strcmp(verb, "windows")) return SaverWindows();
    if (!std::strcmp(verb, "mouse") && argc == 4) return Mouse(std::atoi(argv[2]), std::atoi(argv[3]), WM_MOUSEMOVE);
    if (!std::strcmp(verb, "click") && argc == 4) return Mouse(std::atoi(argv[2]), std::atoi(argv[3]), WM_LBUTTONDOWN);
    if (!std::strcmp(verb, "key")) return Key();
    return Fail("unknown command");
}
