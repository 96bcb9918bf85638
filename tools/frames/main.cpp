// SPDX-License-Identifier: GPL-2.0-or-later
// emberlux-frames: runs the fire engine without a window and writes what it
// shows as frame hashes, raw indexed frames, an animated GIF or a PNG.
#include "tools/frames/FramesRun.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

int main(int argc, char** argv) {
#ifdef _WIN32
    // Hash lines end in a bare line feed on every platform.
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    FramesOptions options;
    std::string error;
    if (!ParseFramesArguments(argc, argv, options, error)) return ReportFramesFailure(2, error);
    return RunFrames(options, stdout);
}
