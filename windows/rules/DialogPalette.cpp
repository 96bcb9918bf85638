// SPDX-License-Identifier: GPL-2.0-or-later
#include "windows/rules/DialogPalette.h"

FirePalette DialogPalette(const FirePalette& capture, int captured,
                          const PaletteEntry (&defaults)[kStaticColourCount]) {
    constexpr int half = kStaticColourCount / 2;
    FirePalette palette = capture;
    for (int i = captured < 0 ? 0 : captured; i < 256; ++i) {
        if (i < half) palette.entries[i] = defaults[i];
        else if (i >= 256 - half) palette.entries[i] = defaults[i - (256 - kStaticColourCount)];
        else palette.entries[i] = PaletteEntry{0, 0, 0, 0};
    }
    return palette;
}
