// SPDX-License-Identifier: GPL-2.0-or-later
#include "run/MonitorLayout.h"

#include <algorithm>
#include <cstring>
#include <new>

std::vector<MonitorArea> ScreensToCover(const std::vector<MonitorArea>& reported) {
    std::vector<MonitorArea> screens;
    for (const MonitorArea& area : reported) {
        if (area.width < 1 || area.height < 1) continue;
        const bool repeat = std::any_of(screens.begin(), screens.end(), [&](const MonitorArea& seen) {
            return seen.left == area.left && seen.top == area.top && seen.width == area.width &&
                   seen.height == area.height;
        });
        if (!repeat) screens.push_back(area);
    }
    if (screens.empty()) return screens;
    auto primary = std::find_if(screens.begin(), screens.end(), [](const MonitorArea& a) { return a.primary; });
    if (primary == screens.end())
        primary = std::find_if(screens.begin(), screens.end(), [](const MonitorArea& a) { return !a.left && !a.top; });
    if (primary == screens.end()) primary = screens.begin();
    for (MonitorArea& area : screens) area.primary = false;
    primary->primary = true;
    std::stable_sort(screens.begin(), screens.end(), [](const MonitorArea& a, const MonitorArea& b) {
        if (a.primary != b.primary) return a.primary;
        return a.left != b.left ? a.left < b.left : a.top < b.top;
    });
    return screens;
}

MonitorArea VirtualScreen(const std::vector<MonitorArea>& monitors) {
    if (monitors.empty()) return MonitorArea{};
    int left = monitors[0].left, top = monitors[0].top, right = monitors[0].right(), bottom = monitors[0].bottom();
    for (const MonitorArea& area : monitors) {
        left = std::min(left, area.left);
        top = std::min(top, area.top);
        right = std::max(right, area.right());
        bottom = std::max(bottom, area.bottom());
    }
    return MonitorArea{left, top, right - left, bottom - top, false};
}

int CropDesktop(const DesktopImage& shot, const MonitorArea& screen, const MonitorArea& monitor, DesktopImage& part) {
    if (monitor.width < 1 || monitor.height < 1) return 0;
    try {
        part.bgr.assign(static_cast<std::size_t>(monitor.width) * monitor.height * 3, 0);
    } catch (const std::bad_alloc&) {
        return 0;
    }
    part.width = monitor.width;
    part.height = monitor.height;
    // Columns of the monitor that the photograph holds, in the photograph's terms.
    const int x0 = std::max(monitor.left, screen.left), x1 = std::min(monitor.right(), screen.left + shot.width);
    if (x1 <= x0) return 1;
    const std::size_t bytes = static_cast<std::size_t>(x1 - x0) * 3;
    for (int y = 0; y < monitor.height; ++y) {
        // Rows are stored bottom-up: row 0 is the bottom screen line.
        const int screenLine = monitor.top + monitor.height - 1 - y;
        const int shotRow = screen.top + shot.height - 1 - screenLine;
        if (shotRow < 0 || shotRow >= shot.height) continue;
        std::memcpy(&part.bgr[(static_cast<std::size_t>(y) * monitor.width + (x0 - monitor.left)) * 3],
                    &shot.bgr[(static_cast<std::size_t>(shotRow) * shot.width + (x0 - screen.left)) * 3], bytes);
    }
    return 1;
}

MonitorArea ScreenshotPlacement(int shotWidth, int shotHeight, const MonitorArea& window) {
    MonitorArea placement{0, 0, shotWidth, shotHeight, false};
    if (shotWidth <= window.width) placement.left = window.left + (window.width - shotWidth) / 2;
    if (shotHeight <= window.height) placement.top = window.top + (window.height - shotHeight) / 2;
    return placement;
}
