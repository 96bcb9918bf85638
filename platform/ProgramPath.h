// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include <string>

// The folder of the running program file, ending in a path separator.
std::string GetProgramDirectory();
