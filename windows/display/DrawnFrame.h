// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include <windows.h>

// Puts what this thread has just drawn into a window on the screen. Wine
// keeps what a thread draws into a window in memory until the thread next
// looks at its messages, or until it has drawn for over 50 ms: a render
// thread at 40 frames a second would show only one frame in four. A wait of
// no time for the thread's (empty) queue shows each frame as it is drawn; on
// Windows, where drawing reaches the screen directly, it costs nothing.
inline void ShowDrawnFrame() { MsgWaitForMultipleObjectsEx(0, nullptr, 0, QS_ALLINPUT, 0); }
