// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include <cstdint>

// Brings a square picture to another size smoothly. Pixels are 32-bit values
// 0xAARRGGBB with straight (not premultiplied) alpha, rows top to bottom.
// Each target pixel is the mean of the source area under it, every source
// pixel weighted by the part of it that is covered and by its alpha, so that
// transparent pixels lend no colour to the edge of a shape. Does nothing when
// a side is not positive.
void ResampleSquare(const std::uint32_t* source, int sourceSide, std::uint32_t* target, int targetSide);
