// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include <string>

enum class SaverMode { Configure, FullScreen, Preview, ChangePassword, Unknown };

// The mode a command line asks for. Only its first two characters count,
// case ignored: nothing (configure), or '/' or '-' followed by c, s, p or a.
SaverMode ParseSaverMode(const std::string& commandLine);

// The host window handle of a preview: the argument after the switch as a
// decimal number. False when there is none or it is no number.
bool ParsePreviewHandle(const char* argument, unsigned long long& handle);
