// SPDX-License-Identifier: GPL-2.0-or-later
#include "windows/saver/Win32MonitorList.h"

#include <windows.h>

#include <new>

namespace {
BOOL CALLBACK AddMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM list) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (!GetMonitorInfoA(monitor, &info)) return TRUE;
    const RECT& r = info.rcMonitor;
    try {
        reinterpret_cast<std::vector<MonitorArea>*>(list)->push_back(
            MonitorArea{r.left, r.top, r.right - r.left, r.bottom - r.top, (info.dwFlags & MONITORINFOF_PRIMARY) != 0});
    } catch (const std::bad_alloc&) {
        return FALSE;
    }
    return TRUE;
}
}  // namespace

int Win32MonitorList::Enumerate(std::vector<MonitorArea>& monitors) {
    return EnumDisplayMonitors(nullptr, nullptr, AddMonitor, reinterpret_cast<LPARAM>(&monitors)) ? 1 : 0;
}
