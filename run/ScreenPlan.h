// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include "run/MonitorLayout.h"

#include <vector>

// What one full-screen window of a run does: where it stands, the display
// size it shows, the size of its fire, and how it reaches the screen.
struct WindowPlan {
    MonitorArea area;                        // the window, in virtual-screen coordinates
    int outputWidth = 0, outputHeight = 0;   // the picture it presents
    int fieldWidth = 0, fieldHeight = 0;     // its engine's fire field, scaled up to the picture when smaller
    bool primary = false;                    // plays the sound and parents the password dialog
    bool useDirectX = false;                 // may try DirectDraw's exclusive mode
    bool mayChangeMode = false;              // may switch the display to the output size
};

// One window per monitor. A single monitor keeps the configured display size,
// `UseDirectX` and the display-mode switch; with several, every window covers
// its monitor at the monitor's own size through GDI and no mode is switched.
// Each field is its output divided by the factor `renderScale` (the setting)
// gives for that output; a scaled field is drawn through GDI, never DirectDraw.
// `screens` comes from ScreensToCover (primary first); none at all falls back
// to one primary of `fallbackWidth` x `fallbackHeight`.
std::vector<WindowPlan> PlanFullScreen(const std::vector<MonitorArea>& screens, int fallbackWidth, int fallbackHeight,
                                       int xRes, int yRes, int useDirectX, int renderScale);
