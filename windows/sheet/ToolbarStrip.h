// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include <windows.h>

// A flat strip of image buttons over a hidden placeholder of a dialog: image k
// of the bitmap for button k, sending commands[k] to the dialog. `bitmapId`
// names the strip of 16 x 16 images; at higher DPIs the strip drawn for the
// DPI is used (ToolStripResource). The bitmap is colour-mapped so its greys
// follow the system colours.
// Returns the toolbar, or null (nothing left behind) when it cannot be made.
HWND CreateToolbarStrip(HWND dialog, int placeholderId, int bitmapId, const int* commands, int count);

void EnableToolButton(HWND toolbar, int command, bool enable);
bool IsToolButtonEnabled(HWND toolbar, int command);
