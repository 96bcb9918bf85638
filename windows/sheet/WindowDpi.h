// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include <windows.h>

// The DPI of the monitor `window` is on, as the system scales it for this
// program: GetDpiForWindow where the system has it (looked up at run time,
// since older systems lack it), else the DPI of the window's device context.
int WindowDpi(HWND window);
