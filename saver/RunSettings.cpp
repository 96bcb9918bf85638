// SPDX-License-Identifier: GPL-2.0-or-later
#include "saver/RunSettings.h"
#include "settings/LoadNormalisation.h"
#include "settings/Presets.h"

void PrepareRunSettings(const SettingOptions& options, bool cyclePresets, Settings& settings) {
    const int loaded = options.load ? LoadChosenRecord(options, settings) : settings.Load();
    if (!loaded) settings.ResetToLoadDefaults();
    else if (cyclePresets && !options.load) CyclePreset(settings);
    std::string unused;
    ApplySettingAssignments(settings, options.assignments, unused);
    NormaliseBurstBounds(settings);
    NormaliseTextSwitch(settings);
}
