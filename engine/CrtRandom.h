// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include <cstdint>

// The C runtime's generator as the Microsoft runtime computes it, so that one
// seed gives the same numbers on every platform: state = state x 214013 +
// 2531011 (mod 2^32), each value (state >> 16) AND 0x7FFF. Process-wide.
void CrtSrand(std::uint32_t seed);
int CrtRand();
