// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include "platform/x11/X11Display.h"
#include "linux/SaverOptions.h"
#include "linux/SaverScreen.h"

#include <string>
#include <vector>

// The screens a run shows and how it began.
struct RunPlan {
    std::vector<ScreenPlan> screens;
    bool cyclePresets = false;  // this run moves the preset cycling on
    unsigned long watchedWindow = 0;  // the run ends when this window of another program goes
};

// Plans the screens of the output mode, each with the picture it burns in
// front of: full screen, one window per monitor and a photograph of the
// screen taken before they appear; an ordinary window, with the primary
// monitor's photograph; the root window or a host's window, with the
// screenshot the host saved. Sound and preset cycling belong to the primary
// screen of a run; several instances under one host make their choice by the
// window at the screen's origin. `x11` is null where SDL does not run on X11.
// False with one line in `error` when the mode cannot run here.
bool PlanRun(const SaverOptions& options, const X11Display* x11, RunPlan& plan, std::string& error);
