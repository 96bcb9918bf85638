// SPDX-License-Identifier: GPL-2.0-or-later
// A window over the screen drawn as the full-screen run draws it: by a
// second thread through the saver's GdiPresenter. Once the window has been up
// for a second with nothing to do, the thread presents one green frame,
// prints "presented" and waits; the window's thread only waits for messages.
// So the frame reaches the screen only if presenting puts it there by itself.
// Runs until a key is pressed or 60 s have passed.
#include "palette/FirePalette.h"
#include "tests/win32/ScreenWindow.h"
#include "windows/display/GdiPresenter.h"

#include <windows.h>

#include <cstdio>
#include <vector>

namespace {
HWND g_hWindow = nullptr;

LRESULT CALLBACK HostWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_KEYDOWN) PostQuitMessage(0);
    return DefWindowProcA(window, message, wParam, lParam);
}

DWORD WINAPI DrawOneFrame(LPVOID) {
    Sleep(1000);
    const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    FirePalette palette{};
    palette.entries[200] = PaletteEntry{0, 255, 0, 0};
    const std::vector<std::uint8_t> frame(static_cast<std::size_t>(width) * height, 200);
    GdiPresenter presenter(g_hWindow);
    const bool presented = presenter.Open(PresentSizes{width, height, width, height}, palette) == 1 &&
                           presenter.Present(frame.data(), nullptr) == 1;
    std::printf(presented ? "presented\n" : "not presented\n");
    std::fflush(stdout);
    Sleep(INFINITE);
    return 0;
}
}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    g_hWindow = MakeScreenWindow(instance, "ThreadDrawHost", HostWindowProc,
                                 static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    if (!g_hWindow) return 1;
    const HANDLE thread = CreateThread(nullptr, 0, DrawOneFrame, nullptr, 0, nullptr);
    if (!thread) return 1;
    CloseHandle(thread);
    SetTimer(nullptr, 0, 60000, nullptr);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0 && message.message != WM_TIMER) DispatchMessageA(&message);
    return 0;
}
