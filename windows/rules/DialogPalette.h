// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include "palette/FirePalette.h"

// The static colours every 8-bit palette of the system keeps: the first ten
// at entries 0 to 9, the last ten at 246 to 255.
constexpr int kStaticColourCount = 20;

// The palette the password dialog is drawn through in an 8-bit mode, made
// from the system palette captured before the switch, of which the first
// `captured` entries came from the system (none on a true-colour desktop).
// The static entries the capture left empty take the system's default
// colours, so the dialog's own colours are never black; the others stay black.
FirePalette DialogPalette(const FirePalette& capture, int captured,
                          const PaletteEntry (&defaults)[kStaticColourCount]);
