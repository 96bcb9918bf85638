// The Windows builds of the renderer write hashes and raw frames only.
#include "tools/frames/PictureWriters.h"

std::unique_ptr<AnimatedGif> OpenAnimatedGif(const std::string&, int, int) { return nullptr; }

bool WritePng(const std::string&, const std::uint8_t*, int, int, const FirePalette&) { return false; }
