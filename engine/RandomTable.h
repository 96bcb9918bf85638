// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include "engine/CrtRandom.h"

#include <cstdint>

// The table of 32768 random numbers that every effect draws from. Entries
// 0..32766 hold values of the C runtime generator; entry 32767 is the cursor
// itself, so a draw landing there yields the cursor's current value.
class RandomTable {
public:
    static constexpr int kSize = 32768;

    // Fills the entries and the cursor from the generator as seeded.
    void Fill(CrtRandom& generator) {
        for (int& entry : m_Entries) entry = generator.Next();
        m_nCursor = static_cast<std::uint32_t>(generator.Next());
    }
    // Returns entry (cursor AND 0x7FFF) and advances the cursor by one. The
    // cursor is unsigned, so a long run never overflows it; the draw at index
    // 32767 returns its low 31 bits.
    int Draw() {
        const std::uint32_t index = m_nCursor & 0x7FFF;
        const int value = index == kSize - 1 ? static_cast<int>(m_nCursor & 0x7FFFFFFF) : m_Entries[index];
        ++m_nCursor;
        return value;
    }
    // The current cursor, and a way to move it (tests of long runs).
    std::uint32_t Cursor() const { return m_nCursor; }
    void SetCursor(std::uint32_t cursor) { m_nCursor = cursor; }

private:
    int m_Entries[kSize - 1] = {};
    std::uint32_t m_nCursor = 0;
};
