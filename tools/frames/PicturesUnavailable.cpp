// SPDX-License-Identifier: GPL-2.0-or-later
#include "tools/frames/PictureWriters.h"

#include <cstdio>

std::unique_ptr<AnimatedGif> OpenAnimatedGif(const std::string&, int, int) {
    std::fprintf(stderr, "emberlux-frames: this build writes no GIF; use the Linux build\n");
    return nullptr;
}

bool WritePng(const std::string&, const std::uint8_t*, int, int, const FirePalette&) {
    std::fprintf(stderr, "emberlux-frames: this build writes no PNG; use the Linux build\n");
    return false;
}
