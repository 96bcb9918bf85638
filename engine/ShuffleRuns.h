// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include "engine/FirePasses.h"

#include <cstddef>
#include <cstdint>
#include <vector>

// Builds and holds the shuffle runs of a turbulence map (see ShuffleRunsView).
class ShuffleRuns {
public:
    // Recasts the first count / 16 runs of `map`; false when out of memory.
    // Reading a window may go 15 bytes past the last mapped byte.
    bool Build(const int* map, std::size_t count);
    ShuffleRunsView View() const;
    void Clear();

private:
    std::vector<std::uint8_t> m_WindowCounts;
    std::vector<std::int32_t> m_WindowStarts;
    std::vector<std::uint8_t> m_Picks;
};
