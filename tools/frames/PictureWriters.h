// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include "palette/FirePalette.h"

#include <cstdint>
#include <memory>
#include <string>

// An animated GIF of indexed frames, each shown through its palette.
class AnimatedGif {
public:
    virtual ~AnimatedGif() = default;
    virtual bool AddFrame(const std::uint8_t* indexes, const FirePalette& palette) = 0;
    // Finishes the file; false when it could not be written completely.
    virtual bool Close() = 0;
};

// Opens `path` for a width x height animation; null when it cannot be created.
std::unique_ptr<AnimatedGif> OpenAnimatedGif(const std::string& path, int width, int height);

// Writes one indexed frame through its palette as a true-colour PNG.
bool WritePng(const std::string& path, const std::uint8_t* indexes, int width, int height, const FirePalette& palette);
