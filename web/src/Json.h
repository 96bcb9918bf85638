// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include <string>
#include <vector>

// What the module hands the page's script, written as JSON.

// A JSON string of `text` (bytes taken as UTF-8, control characters escaped).
std::string JsonString(const std::string& text);
std::string JsonStringList(const std::vector<std::string>& texts);
