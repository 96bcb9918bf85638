// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include "tools/frames/FramesOptions.h"

#include <cstdio>
#include <string>

// Runs the engine as `options` say, writing hash lines to `out`. Returns the
// exit code: 0 done, 1 the engine or an output file failed, 2 bad input.
int RunFrames(const FramesOptions& options, std::FILE* out);

// Prints "emberlux-frames: message" on stderr and returns `code`.
int ReportFramesFailure(int code, const std::string& message);
