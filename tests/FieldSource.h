// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include "engine/FrameSource.h"

#include <cstdint>
#include <memory>
#include <vector>

// What the effects' run shares, held before the frame source is built on it.
struct FieldRun {
    std::unique_ptr<SharedEngineState> run;
};

// A fire field of its own, in a new run of the given seed, for effects tested
// without an engine. The run is on the heap: its table alone is 128 kB.
class FieldSource : private FieldRun, public CFrameSource {
public:
    FieldSource(std::uint32_t seed, int width, int height)
        : FieldRun{std::make_unique<SharedEngineState>(seed)},
          CFrameSource(*FieldRun::run),
          width(width),
          height(height),
          field(static_cast<std::size_t>(width) * (height + 1)) {}
    int GetBuffer(int which, std::uint8_t** buffer, int* w, int* h, int* flag) override {
        if (which != 0) return 1;
        if (buffer) *buffer = field.data();
        if (w) *w = width;
        if (h) *h = height;
        if (flag) *flag = 1;
        return 1;
    }
    std::uint8_t& At(int x, int y) { return field[static_cast<std::size_t>(y) * width + x]; }

    int width, height;
    std::vector<std::uint8_t> field;
};
