// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include "platform/x11/X11Display.h"
#include "run/MonitorLayout.h"

// The monitors of the display: the heads Xinerama reports where it can (SDL
// sees only the outputs RandR lists, which on some servers is one for all),
// otherwise SDL's displays; the first is the primary.
class SdlMonitorList : public MonitorList {
public:
    // `x11` is null where SDL does not run on X11.
    explicit SdlMonitorList(const X11Display* x11) : m_pX11(x11) {}
    int Enumerate(std::vector<MonitorArea>& monitors) override;

private:
    const X11Display* m_pX11;
};

// Whether SDL knows a display with exactly these bounds (a window on it can
// be made full screen the ordinary way).
bool IsSdlDisplay(const MonitorArea& area);
