// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include "run/SettingOptions.h"

// How the record of a run came to be.
enum class RunRecord {
    Ready,       // loaded (and moved on when asked)
    Unreadable,  // the store could not be opened: the defaults of a new installation
    NotCycled,   // loaded, but moving the cycling on could not be saved
};

// The record a run of any saver shows: the stored one, its current preset
// moved on to the next one first when `cyclePresets` is set and cycling is
// on; or the preset --load names. Then every --set, which is never saved. The
// assignments were checked when the options were parsed. Each front end
// decides what an unreadable store or a failed cycle means for its run.
RunRecord PrepareRunSettings(const SettingOptions& options, bool cyclePresets, Settings& settings);
