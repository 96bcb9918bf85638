// SPDX-License-Identifier: GPL-2.0-or-later
#include "windows/rules/DialogPalette.h"

#include <gtest/gtest.h>

namespace {
// Default colours numbered 1 to 20 in their red byte, to tell them apart.
struct Defaults {
    PaletteEntry entries[kStaticColourCount];
    Defaults() {
        for (int i = 0; i < kStaticColourCount; ++i) entries[i] = PaletteEntry{std::uint8_t(i + 1), 7, 9, 0};
    }
};

FirePalette Captured(std::uint8_t red) {
    FirePalette palette{};
    for (PaletteEntry& entry : palette.entries) entry = PaletteEntry{red, red, red, 0};
    return palette;
}

bool Same(const PaletteEntry& a, const PaletteEntry& b) {
    return a.red == b.red && a.green == b.green && a.blue == b.blue && a.spare == b.spare;
}
}  // namespace

TEST(DialogPalette, ATrueColourDesktopGetsTheDefaultStaticColoursAtBothEnds) {
    const Defaults defaults;
    const FirePalette palette = DialogPalette(FirePalette{}, 0, defaults.entries);
    for (int i = 0; i < 10; ++i) EXPECT_TRUE(Same(palette.entries[i], defaults.entries[i])) << i;
    for (int i = 246; i < 256; ++i) EXPECT_TRUE(Same(palette.entries[i], defaults.entries[i - 236])) << i;
    for (int i = 10; i < 246; ++i) EXPECT_EQ(palette.entries[i].red + palette.entries[i].green, 0) << i;
}

TEST(DialogPalette, WhatTheSystemGaveIsKeptAndOnlyTheRestFilled) {
    const Defaults defaults;
    const FirePalette whole = DialogPalette(Captured(200), 256, defaults.entries);
    for (const PaletteEntry& entry : whole.entries) EXPECT_TRUE(Same(entry, PaletteEntry{200, 200, 200, 0}));
    // A capture that stopped short, after entry 249: entries 250 on are defaults.
    const FirePalette part = DialogPalette(Captured(200), 250, defaults.entries);
    EXPECT_EQ(part.entries[0].red, 200);
    EXPECT_EQ(part.entries[249].red, 200);
    EXPECT_EQ(part.entries[250].red, 15);
    EXPECT_EQ(part.entries[255].red, 20);
    // Stale bytes in the unfilled middle do not survive: a failed capture reads as none.
    const FirePalette none = DialogPalette(Captured(200), -1, defaults.entries);
    EXPECT_EQ(none.entries[0].red, 1);
    EXPECT_EQ(none.entries[128].red, 0);
}
