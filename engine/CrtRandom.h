// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include <cstdint>

// The C runtime's generator as the Microsoft runtime computes it, so that one
// seed gives the same numbers on every platform: state = state x 214013 +
// 2531011 (mod 2^32), each value (state >> 16) AND 0x7FFF.
class CrtRandom {
public:
    explicit CrtRandom(std::uint32_t seed = 1) : m_nState(seed) {}
    void Seed(std::uint32_t seed) { m_nState = seed; }
    int Next() {
        m_nState = m_nState * 214013u + 2531011u;
        return static_cast<int>((m_nState >> 16) & 0x7FFF);
    }

private:
    std::uint32_t m_nState;
};
