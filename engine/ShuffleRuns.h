#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

// The turbulence map recast for byte shuffles: for each run of 16 pixels,
// the 16-byte windows of the field that hold its sources (a few, as the
// sources of neighbouring pixels lie close together), and for each pixel
// one byte: the window (high four bits) and the byte within it (low four).
// Every run lists at least kShuffleWindows windows (the spare ones picked by
// no pixel), so the common runs take the same straight path: 2 bytes a pixel
// to read instead of the map's 4.
constexpr int kShuffleWindows = 4;

struct ShuffleRunsView {
    std::size_t runs = 0;
    const std::uint8_t* windowCounts = nullptr;  // per run, kShuffleWindows or more
    const std::int32_t* windowStarts = nullptr;  // field index of each window, run after run
    const std::uint8_t* picks = nullptr;         // 16 per run
};

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
