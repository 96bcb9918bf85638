// SPDX-License-Identifier: GPL-2.0-or-later
#include "linux/SdlMonitorList.h"

#include <SDL.h>

#include <new>

int SdlMonitorList::Enumerate(std::vector<MonitorArea>& monitors) {
    std::vector<X11Place> heads;
    try {
        if (m_pX11 && m_pX11->Monitors(heads)) {
            for (std::size_t i = 0; i < heads.size(); ++i)
                monitors.push_back(MonitorArea{heads[i].left, heads[i].top, heads[i].width, heads[i].height, i == 0});
            return 1;
        }
        const int count = SDL_GetNumVideoDisplays();
        for (int i = 0; i < count; ++i) {
            SDL_Rect bounds;
            if (SDL_GetDisplayBounds(i, &bounds) == 0)
                monitors.push_back(MonitorArea{bounds.x, bounds.y, bounds.w, bounds.h, i == 0});
        }
    } catch (const std::bad_alloc&) {
        return 0;
    }
    return monitors.empty() ? 0 : 1;
}

bool IsSdlDisplay(const MonitorArea& area) {
    const int count = SDL_GetNumVideoDisplays();
    for (int i = 0; i < count; ++i) {
        SDL_Rect bounds;
        if (SDL_GetDisplayBounds(i, &bounds) == 0 && bounds.x == area.left && bounds.y == area.top &&
            bounds.w == area.width && bounds.h == area.height)
            return true;
    }
    return false;
}
