// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include "platform/DesktopImage.h"

#include <vector>

// A monitor's place on the virtual screen, in pixels. The primary monitor's
// top-left corner is (0, 0); a monitor left of or above it has negative
// coordinates.
struct MonitorArea {
    int left = 0, top = 0, width = 0, height = 0;
    bool primary = false;

    int right() const { return left + width; }
    int bottom() const { return top + height; }
};

// Where a front-end learns its monitors: the system's display list, or a
// made-up layout in tests.
class MonitorList {
public:
    virtual ~MonitorList() = default;
    // Appends every monitor the system reports; 0 when it cannot tell.
    virtual int Enumerate(std::vector<MonitorArea>& monitors) = 0;
};

// The monitors a full-screen run covers, one window each: empty areas and
// repeats of an area (mirrored displays) dropped, exactly one primary (the
// reported one, else the one at (0, 0), else the first), the primary first
// and the others left to right, then top to bottom.
std::vector<MonitorArea> ScreensToCover(const std::vector<MonitorArea>& reported);

// The smallest rectangle holding every monitor (empty for none).
MonitorArea VirtualScreen(const std::vector<MonitorArea>& monitors);

// Cuts one monitor's part out of a photograph of the whole virtual screen
// `screen` (whose top-left corner is at (screen.left, screen.top)). Parts of
// the monitor outside the photograph come out black. 0 when memory runs out.
int CropDesktop(const DesktopImage& shot, const MonitorArea& screen, const MonitorArea& monitor, DesktopImage& part);

// Where a screenshot that the screen saver host saved lies on the virtual
// screen, seen from a window at `window`: in each direction a shot no larger
// than the window was taken of the window alone and lies centred on it; a
// larger one is of the whole screen and starts at 0.
MonitorArea ScreenshotPlacement(int shotWidth, int shotHeight, const MonitorArea& window);
