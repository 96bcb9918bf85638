// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include "settings/SettingOptions.h"

// The record a run of the native saver shows: the stored one, its current
// preset moved on to the next one first when `cyclePresets` is set and
// cycling is on; or the preset --load names. Then every --set, which is never
// saved. A store that cannot be opened leaves the defaults of a new
// installation. The assignments were checked when the options were parsed.
void PrepareRunSettings(const SettingOptions& options, bool cyclePresets, Settings& settings);
