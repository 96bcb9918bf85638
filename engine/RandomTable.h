// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include <cstdint>

// The process-wide table of 32768 random numbers that every effect draws from.
// Entries 0..32766 hold values of the C runtime generator; entry 32767 is the
// cursor itself, so a draw landing there yields the cursor's current value.
namespace RandomTable {
constexpr int kSize = 32768;

// Fills the entries and the cursor from the C runtime generator as seeded.
void Fill();
// Returns entry (cursor AND 0x7FFF) and advances the cursor by one. The cursor
// is unsigned, so a long run never overflows it; the draw at index 32767
// returns its low 31 bits.
int Draw();
// The current cursor, and a way to move it (tests of long runs).
std::uint32_t Cursor();
void SetCursor(std::uint32_t cursor);
}  // namespace RandomTable
