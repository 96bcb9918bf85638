// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include "settings/SettingsTable.h"

#include <string>

// What the settings table gives the front ends that describe their settings
// in a file of their own rather than in dialogs.

// Whether a front end other than the Windows saver offers the setting.
bool OfferedBeyondWindows(const SettingDef& def);
// The values its control runs over: what a user may choose, widened to take
// the default where that lies outside (WaveSpeed).
int LowestOffered(const SettingDef& def);
int HighestOffered(const SettingDef& def);

// The native saver's settings page for xscreensaver: every setting it offers,
// passed as --set-NAME VALUE, beside the saver's own frame rate and frame
// counter.
std::string XscreensaverPage();

// The table as JSON for the browser's settings panel: the pages in the
// sheet's order with their titles, and for every setting offered its value
// name, type, default, range and control.
std::string SettingsTableJson();
