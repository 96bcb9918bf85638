// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include "engine/FrameSource.h"

#include <cstdint>
#include <vector>

// A fire field of its own for effects tested without an engine.
class FieldSource : public CFrameSource {
public:
    FieldSource(SharedEngineState& shared, int width, int height)
        : CFrameSource(shared), width(width), height(height), field(static_cast<std::size_t>(width) * (height + 1)) {}
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
