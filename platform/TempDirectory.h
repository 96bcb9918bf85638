// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include <string>

// The user's temporary directory, ending in a path separator.
std::string GetTemporaryDirectory();
