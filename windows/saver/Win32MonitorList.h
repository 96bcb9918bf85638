// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include "run/MonitorLayout.h"

// The system's monitors, from EnumDisplayMonitors and GetMonitorInfo.
class Win32MonitorList : public MonitorList {
public:
    int Enumerate(std::vector<MonitorArea>& monitors) override;
};
