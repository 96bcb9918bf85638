// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include <cstddef>
#include <cstdint>

// A picture of 32-bit pixels (blue, green, red, 0 in memory order) that the
// window system shows in one window, from its top-left corner: the seam
// below the presenters that write their pixels on the processor.
class PixelScreen {
public:
    virtual ~PixelScreen() = default;
    // Makes the picture width x height (each at least 1); 1, or 0 when it
    // cannot be had, and then nothing is shown until a Resize succeeds.
    virtual int Resize(int width, int height) = 0;
    // Where the next picture goes, rows Stride() bytes apart, starting on a
    // 4-byte boundary; waits until the window system has finished with the
    // last picture shown. Null without a successful Resize.
    virtual std::uint8_t* BeginPicture() = 0;
    virtual std::ptrdiff_t Stride() const = 0;
    // Shows what was written since BeginPicture; 1 when it went out.
    virtual int Show() = 0;
    // Gives the picture back; until the next Resize nothing is shown.
    virtual void Release() = 0;
    // How the picture reaches the screen, in a few words ("MIT-SHM").
    virtual const char* Way() const = 0;
};
