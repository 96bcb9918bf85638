// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include "engine/FirePasses.h"
#include <cstdint>

// The 9 x 9 profile of a soft round glow.
extern const std::uint8_t kGlowStamp[9][9];

// Heat never rises above this value through an effect.
constexpr int kHeatCeiling = 247;

// Puts one spot of heat into a width x height field around (x, y):
// shape 0 nothing; 1 one pixel; 2 a pixel and its four neighbours at half
// value; 3, 4 and negative shapes a 5 x 5 glow; 5 and above the 9 x 9 glow.
// Glows are drawn only 4 or more pixels inside every edge and for value > 0.
// Additive spots add and cut at 247; others replace the pixels.
void DrawSpot(const FirePasses& passes, std::uint8_t* field, int width, int height, int x, int y, int value, int shape, int additive);

// Adds the 9 x 9 glow with its top-left corner at (x, y), each pixel raised by
// (entry x heat) >> 8 and cut at 247. The caller keeps the glow inside the field.
void AddGlow(const FirePasses& passes, std::uint8_t* field, int width, int x, int y, int heat);
