// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include "run/CloseRules.h"

// Where a saver shows its fire: full screen, an ordinary window, the root
// window, or a window another program made.
enum class OutputMode { FullScreen, Window, Root, WindowId };

// What the user did to one of a saver's windows.
enum class UserInput {
    Key,          // any key but the two below
    QuitKey,      // Escape or Q
    Click,        // any mouse button
    Motion,       // the pointer moved to the given point (screen coordinates)
    CloseWindow,  // the window's close button, or the session ending
};

// Whether the input ends a run in this mode: full screen, any key, a click, a
// mouse movement that MouseMoveCloses counts or a closed window; in an
// ordinary window only Escape, Q or closing it; in the root window or a
// window of another program never: the host ends the run with a signal.
bool InputEndsRun(OutputMode mode, UserInput input, long long millisecondsSinceStart, MousePoint& reference,
                  MousePoint point);
