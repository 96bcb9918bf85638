// SPDX-License-Identifier: GPL-2.0-or-later
#include "run/RunSettings.h"
#include "settings/LoadNormalisation.h"
#include "settings/Presets.h"

RunRecord PrepareRunSettings(const SettingOptions& options, bool cyclePresets, Settings& settings) {
    const int loaded = options.load ? LoadChosenRecord(options, settings) : settings.Load();
    RunRecord record = RunRecord::Ready;
    if (!loaded) {
        settings.ResetToLoadDefaults();
        record = RunRecord::Unreadable;
    } else if (cyclePresets && !options.load && !CyclePreset(settings)) {
        record = RunRecord::NotCycled;
    }
    std::string unused;
    ApplySettingAssignments(settings, options.assignments, unused);
    NormaliseBurstBounds(settings);
    NormaliseTextSwitch(settings);
    return record;
}
