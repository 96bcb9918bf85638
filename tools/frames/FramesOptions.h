// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include "engine/FirePasses.h"
#include "settings/Settings.h"

#include <cstdint>
#include <string>

// What one run of the headless renderer does.
struct FramesOptions {
    int width = 0, height = 0;
    long long frames = 0;
    bool hasSeed = false;
    std::uint32_t seed = 0;
    Settings settings;  // load defaults (or the stored record), the size, every --set, the normalisations
    std::string desktopPath;
    std::string cacheDir;
    bool hash = false;
    std::string rawPath, gifPath, pngPath;
    bool fieldOnly = false;  // --field-of: only print the field a screen of the --field-of size burns
    bool forcePasses = false;  // --passes: run the engine's loops at this level (default: the widest)
    PassLevel passes = PassLevel::Scalar;
};

// Largest width or height the renderer accepts.
constexpr int kMaxFrameSide = 16384;

// Parses the command line; on a bad argument returns false with one line of
// explanation in `error`. "--load [PRESET]" reads the record from the store
// (the named preset, or the current one) before the size and any --set.
// "--field-of WxH" stands for --size and --frames: the size becomes the
// field that a screen of WxH burns under the record's RenderScale.
bool ParseFramesArguments(int argc, const char* const* argv, FramesOptions& options, std::string& error);
