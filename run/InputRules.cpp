// SPDX-License-Identifier: GPL-2.0-or-later
#include "run/InputRules.h"

bool InputEndsRun(OutputMode mode, UserInput input, long long millisecondsSinceStart, MousePoint& reference,
                  MousePoint point) {
    switch (mode) {
    case OutputMode::FullScreen:
        if (input == UserInput::Motion) return MouseMoveCloses(millisecondsSinceStart, reference, point);
        return true;
    case OutputMode::Window:
        return input == UserInput::QuitKey || input == UserInput::CloseWindow;
    case OutputMode::Root:
    case OutputMode::WindowId:
        break;
    }
    return false;
}
