// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include "palette/FirePalette.h"

// Captures, before the display switches to 8 bits, the palette the password
// dialog is drawn through there: the system palette as it is now, and where
// the system has none (a true-colour desktop) the static colours of its
// default palette.
FirePalette CaptureDialogPalette();
