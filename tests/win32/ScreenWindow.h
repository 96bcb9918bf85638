// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include <windows.h>

// A top-most window over the whole primary screen, of a class of the given
// name and window procedure: what the test hosts draw full-screen into.
// Null when it cannot be made.
inline HWND MakeScreenWindow(HINSTANCE instance, const char* name, WNDPROC procedure, HBRUSH background = nullptr) {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hbrBackground = background;
    windowClass.lpszClassName = name;
    RegisterClassA(&windowClass);
    return CreateWindowExA(WS_EX_TOPMOST, name, name, WS_POPUP | WS_VISIBLE, 0, 0, GetSystemMetrics(SM_CXSCREEN),
                           GetSystemMetrics(SM_CYSCREEN), nullptr, nullptr, instance, nullptr);
}
