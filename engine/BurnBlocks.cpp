// SPDX-License-Identifier: GPL-2.0-or-later
#include "engine/BurnBlocks.h"
#include "engine/FirePasses.h"

#include <algorithm>
#include <new>

namespace {
constexpr int kBlock = 32;  // even, so a block's columns keep their parity
}

bool BurnBlocks::Build(const std::uint8_t* burnMap, int width, int height) {
    Clear();
    const int perRow = (width + kBlock - 1) / kBlock;
    try {
        m_Lowest.resize(static_cast<std::size_t>(perRow) * height);
        m_Highest.resize(m_Lowest.size());
    } catch (const std::bad_alloc&) {
        Clear();
        return false;
    }
    m_nWidth = width;
    m_nBlocksPerRow = perRow;
    for (int y = 0; y < height; ++y)
        for (int b = 0; b < perRow; ++b) {
            const std::uint8_t* first = burnMap + static_cast<std::size_t>(y) * width + b * kBlock;
            const auto range = std::minmax_element(first, first + std::min(kBlock, width - b * kBlock));
            const std::size_t i = static_cast<std::size_t>(y) * perRow + b;
            m_Lowest[i] = *range.first;
            m_Highest[i] = *range.second;
        }
    return true;
}

void BurnBlocks::Clear() {
    m_nWidth = m_nBlocksPerRow = 0;
    m_Lowest = {};
    m_Highest = {};
}

int BurnBlocks::FindInRange(const FirePasses& passes, const std::uint8_t* burnMap, int y, int parity, int lo, int span, int* columns) const {
    const std::size_t first = static_cast<std::size_t>(y) * m_nBlocksPerRow;
    const std::uint8_t* lowest = &m_Lowest[first];
    const std::uint8_t* highest = &m_Highest[first];
    const std::uint8_t* row = burnMap + static_cast<std::size_t>(y) * m_nWidth;
    const int top = lo + span - 1;
    auto meets = [&](int b) { return highest[b] >= lo && lowest[b] <= top; };
    const auto search = passes.findInRange;
    int found = 0;
    for (int b = 0; b < m_nBlocksPerRow; ++b) {
        if (!meets(b)) continue;
        // Neighbouring blocks that meet the front are searched at once.
        int end = b + 1;
        while (end < m_nBlocksPerRow && meets(end)) ++end;
        const int x = b * kBlock, count = std::min(end * kBlock, m_nWidth) - x;
        const int more = search(row + x, count, parity, lo, span, columns + found);
        for (int i = found; i < found + more; ++i) columns[i] += x;
        found += more;
        b = end;
    }
    return found;
}
