// SPDX-License-Identifier: GPL-2.0-or-later
#include "windows/saver/SystemPalette.h"
#include "windows/rules/DialogPalette.h"

#include <windows.h>

FirePalette CaptureDialogPalette() {
    FirePalette capture{};
    UINT captured = 0;
    if (HDC screen = GetDC(nullptr)) {
        captured = GetSystemPaletteEntries(screen, 0, 256, reinterpret_cast<PALETTEENTRY*>(capture.entries));
        ReleaseDC(nullptr, screen);
    }
    PaletteEntry defaults[kStaticColourCount]{};
    GetPaletteEntries(static_cast<HPALETTE>(GetStockObject(DEFAULT_PALETTE)), 0, kStaticColourCount,
                      reinterpret_cast<PALETTEENTRY*>(defaults));
    return DialogPalette(capture, static_cast<int>(captured), defaults);
}
