// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// The values a user can choose for an integer setting: the range of its
// control on the configuration sheet, 0 to 1 for a switch. The record itself
// clamps nothing; these bounds are what a settings dialog may offer.
struct SettingBounds {
    int id;
    int min;
    int max;
};

// The bounds of `id`, or null for a setting no dialog offers (a size, a
// counter, a string).
const SettingBounds* FindSettingBounds(int id);
