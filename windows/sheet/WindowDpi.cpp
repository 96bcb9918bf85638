// SPDX-License-Identifier: GPL-2.0-or-later
#include "windows/sheet/WindowDpi.h"

int WindowDpi(HWND window) {
    using DpiForWindow = UINT(WINAPI*)(HWND);
    static const auto dpiForWindow = reinterpret_cast<DpiForWindow>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("user32.dll"), "GetDpiForWindow")));
    if (dpiForWindow && window) {
        if (const UINT dpi = dpiForWindow(window)) return static_cast<int>(dpi);
    }
    HDC dc = GetDC(window);
    const int dpi = dc ? GetDeviceCaps(dc, LOGPIXELSX) : 0;
    if (dc) ReleaseDC(window, dc);
    return dpi;
}
