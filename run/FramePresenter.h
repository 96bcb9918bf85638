// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include "palette/FirePalette.h"

#include <cstdint>

// The sizes a presenter works with: the fire field its frames hold and the
// output they fill, from its top-left corner.
struct PresentSizes {
    int fieldWidth = 0, fieldHeight = 0;
    int outputWidth = 0, outputHeight = 0;
    bool Scaled() const { return fieldWidth != outputWidth || fieldHeight != outputHeight; }
};

// Shows indexed frames on one output: a window, a screen, a canvas. It is
// handed frames and their palette and never sees the engine that drew them,
// so every front end and every way to the screen present through this.
class FramePresenter {
public:
    virtual ~FramePresenter() = default;
    // Presents frames of these sizes from now on, through `palette`; opening
    // again takes new sizes. 1, or 0 when this way cannot present them here.
    virtual int Open(const PresentSizes& sizes, const FirePalette& palette) = 0;
    virtual void SetPalette(const FirePalette& palette) = 0;
    // Presents one frame (fieldWidth x fieldHeight indexes, top row first,
    // rows fieldWidth apart) with `overlay`, a line of text or null, in its
    // top-left corner. 1 when it was presented.
    virtual int Present(const std::uint8_t* frame, const char* overlay) = 0;
    // Lets go of what Open took; until the next Open nothing is presented.
    virtual void Close() = 0;
    // How frames reach the screen, in a few words ("MIT-SHM").
    virtual const char* Way() const = 0;
};
