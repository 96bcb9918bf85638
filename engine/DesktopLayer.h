// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include "engine/SharedEngineState.h"
#include "platform/DesktopImage.h"

#include <cstdint>

// Scales a photograph of the screen to width x height (bottom-up, 24-bit):
// area averaging when it shrinks by more than 1.5, a copy at the same size,
// 8-bit fixed-point bilinear resampling otherwise.
DesktopImage ScaleDesktop(const DesktopImage& screen, int width, int height);

// Turns a width x height bottom-up image into the background layer's grey
// levels 0..7 (rows top-first). With fadeBottom the picture darkens toward
// the bottom, the rounding error carried from pixel to pixel.
void ConvertToGreyLevels(const DesktopImage& scaled, bool fadeBottom, std::uint8_t* layer);

// Fills the width x height burn map with plasma: four corner values from the
// random table, the midpoint noise from the C runtime generator.
void BuildBurnMap(SharedEngineState& shared, std::uint8_t* burnMap, int width, int height);

// The output with the desktop behind the fire: the high five bits of every
// index carry the fire (dithered by a running carry), the low three the
// desktop grey level, sampled further right where the fire is hotter.
void MixDesktop(const std::uint8_t* fire, const std::uint8_t* layer, int width, int height, std::uint8_t* dest);

// Mixes `words` groups of four pixels of one row with the running carry of
// the frame; returns the carry for the next group.
std::uint32_t MixDesktopWords(const std::uint8_t* fire, const std::uint8_t* layer, int words, std::uint32_t carry,
                              std::uint8_t* dest);
