// SPDX-License-Identifier: GPL-2.0-or-later
#include "engine/ShuffleRuns.h"

#include <new>

namespace {
constexpr int kRun = 16;
}  // namespace

bool ShuffleRuns::Build(const int* map, std::size_t count) {
    Clear();
    const std::size_t runs = count / kRun;
    try {
        m_WindowCounts.reserve(runs);
        m_WindowStarts.reserve(runs * kShuffleWindows);
        m_Picks.resize(runs * kRun);
        for (std::size_t r = 0; r < runs; ++r) {
            const int* sources = map + r * kRun;
            bool placed[kRun] = {};
            int windows = 0;
            // Each window starts at the lowest source not yet placed and
            // takes every source within its 16 bytes.
            for (int left = kRun; left > 0; ++windows) {
                int start = 0;
                bool first = true;
                for (int j = 0; j < kRun; ++j)
                    if (!placed[j] && (first || sources[j] < start)) {
                        start = sources[j];
                        first = false;
                    }
                m_WindowStarts.push_back(start);
                for (int j = 0; j < kRun; ++j)
                    if (!placed[j] && sources[j] - start < kRun) {
                        m_Picks[r * kRun + static_cast<std::size_t>(j)] =
                            static_cast<std::uint8_t>(windows << 4 | (sources[j] - start));
                        placed[j] = true;
                        --left;
                    }
            }
            for (; windows < kShuffleWindows; ++windows) m_WindowStarts.push_back(m_WindowStarts.back());
            m_WindowCounts.push_back(static_cast<std::uint8_t>(windows));
        }
    } catch (const std::bad_alloc&) {
        Clear();
        return false;
    }
    return true;
}

ShuffleRunsView ShuffleRuns::View() const {
    ShuffleRunsView view;
    view.runs = m_WindowCounts.size();
    view.windowCounts = m_WindowCounts.data();
    view.windowStarts = m_WindowStarts.data();
    view.picks = m_Picks.data();
    return view;
}

void ShuffleRuns::Clear() {
    m_WindowCounts = {};
    m_WindowStarts = {};
    m_Picks = {};
}
