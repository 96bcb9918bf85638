// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include "engine/RandomTable.h"
#include <cstdint>

// The passes over the heat field that make the fire itself. The field is
// W x (H + 1) bytes, row-major, with a spare zero row H.

// Writes the bottom source for sub-frame s (0..6): gliding from the previous
// to the target row over seven frames, squared to darken the low values,
// into row H - 1 and raising row H - 2.
void FeedBottom(std::uint8_t* field, int width, int height, const std::uint8_t* previous,
                const std::uint8_t* target, std::uint8_t* current, int subFrame);

// Averages every pixel of rows H - 2 .. 0 in place with the three pixels
// below it, bottom row first, the field taken as one flat array.
void AverageUpward(std::uint8_t* field, int width, int height);

// Fills target[lo .. hi - 1] by midpoint displacement between the end values
// `left` and `right`, left half first, one random draw per node.
void FillTargetRow(RandomTable& random, std::uint8_t* target, int lo, int hi, int left, int right);

// Multiplies the target row by a long wave and a 7.3 times shorter one moving
// against it, cut at 247. A wave length of -10 leaves the row unchanged.
void ApplyWaves(std::uint8_t* target, int width, int waveLength, int waveSpeed, long long frame);
