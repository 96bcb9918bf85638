// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

struct DisplaySize {
    int width;
    int height;
};

// The size of the current display in pixels. Platforms without a display
// connection yet answer 640 x 480.
DisplaySize GetDisplaySize();
