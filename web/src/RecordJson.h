// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include "settings/Settings.h"

#include <string>

// The record's values of every setting the page's panel offers (those the
// savers beyond Windows offer), by value name, as JSON; the palette by its
// file name. The panel itself is generated from the settings table's JSON
// (tools/settings).
std::string RecordJson(const Settings& record);
