// SPDX-License-Identifier: GPL-2.0-or-later
// The palette captured for the password dialog, through the system's own
// calls: under Wine the desktop is true colour, so the system has no palette.
#include "windows/saver/SystemPalette.h"

#include <windows.h>

#include <gtest/gtest.h>

TEST(SystemPalette, ATrueColourDesktopGivesTheDialogTheDefaultStaticColours) {
    HDC screen = GetDC(nullptr);
    ASSERT_NE(screen, nullptr);
    const bool palettized = (GetDeviceCaps(screen, RASTERCAPS) & RC_PALETTE) != 0;
    ReleaseDC(nullptr, screen);
    ASSERT_FALSE(palettized) << "this test needs a desktop without a palette";

    PALETTEENTRY defaults[20] = {};
    ASSERT_EQ(GetPaletteEntries(static_cast<HPALETTE>(GetStockObject(DEFAULT_PALETTE)), 0, 20, defaults), 20u);
    const FirePalette palette = CaptureDialogPalette();
    auto same = [](const PaletteEntry& shown, const PALETTEENTRY& expected) {
        return shown.red == expected.peRed && shown.green == expected.peGreen && shown.blue == expected.peBlue;
    };
    for (int i = 0; i < 10; ++i) EXPECT_TRUE(same(palette.entries[i], defaults[i])) << "entry " << i;
    for (int i = 246; i < 256; ++i) EXPECT_TRUE(same(palette.entries[i], defaults[i - 236])) << "entry " << i;
    // The dialog's face and text colours are among them: white and black at the ends.
    const PaletteEntry& last = palette.entries[255];
    EXPECT_EQ(last.red + last.green + last.blue, 3 * 255) << "entry 255 is white";
    EXPECT_EQ(palette.entries[0].red + palette.entries[0].green + palette.entries[0].blue, 0);
}
