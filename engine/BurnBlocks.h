// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include "engine/FirePasses.h"
#include <cstdint>
#include <vector>

// The burn map's rows cut into blocks of 32 columns, each with the lowest
// and highest burn time in it. The burn front covers only a few values of
// the map at a time, so the paper burn searches only the blocks that meet them.
class BurnBlocks {
public:
    // false when out of memory (then it holds nothing).
    bool Build(const std::uint8_t* burnMap, int width, int height);
    void Clear();
    // As FirePasses::findInRange over row y of the map the blocks were built
    // from: the columns x with x mod 2 equal to parity and burn time from lo
    // to lo + span - 1, in increasing order; returns how many.
    int FindInRange(const FirePasses& passes, const std::uint8_t* burnMap, int y, int parity, int lo, int span, int* columns) const;

private:
    int m_nWidth = 0, m_nBlocksPerRow = 0;
    std::vector<std::uint8_t> m_Lowest, m_Highest;
};
