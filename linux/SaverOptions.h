// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include "run/InputRules.h"
#include "run/RenderLoop.h"
#include "run/SettingOptions.h"

#include <string>

// Where the fire is shown: full screen on every monitor, in an ordinary
// window, in the root window (or the host's window named in the environment),
// or in a window another program made.
struct SaverOptions {
    OutputMode mode = OutputMode::FullScreen;
    unsigned long windowId = 0;
    bool showFps = false;
    int frameFloorMs = kFrameFloorMs;
    bool help = false;
    SettingOptions settings;
};

// The longest frame --delay accepts, in milliseconds.
constexpr int kMaxDelayMs = 1000;

// Parses the native saver's command line. Every option may be written with
// one dash or two; of --root, --window and --window-id the last one counts.
// False with one line in `error` when an argument is not understood.
bool ParseSaverOptions(int argc, const char* const* argv, SaverOptions& options, std::string& error);

// A window id in decimal or in hexadecimal after 0x; 0 names no window.
bool ParseWindowId(const std::string& text, unsigned long& id);

// What `--help` prints.
extern const char* const kSaverUsage;
