// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include <cstddef>
#include <cstdint>

// The hot loops of a frame, each in the widest instruction set the processor
// offers. Every version writes the same bytes as the scalar one, which stays
// as the reference (and the only one on processors without SSE2).
enum class PassLevel { Scalar = 0, Sse2 = 1, Ssse3 = 2, Avx2 = 3, Avx512 = 4 };

// The rays of the turbulence map: 11 angles of 6 samples each (interior pixels).
constexpr int kRayAngleCount = 11;
constexpr int kRaySampleCount = 6;

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

struct FirePasses {
    PassLevel level;
    // The upward averaging of a W x (H + 1) field (see FireField.h).
    void (*averageUpward)(std::uint8_t* field, int width, int height);
    // out[i] := field[map[i]] for i < count; from the shuffle runs of the
    // same map where the level uses them and `runs` is not null. Reads up to
    // 15 bytes past a mapped byte, which the field must hold.
    void (*remap)(const std::uint8_t* field, const int* map, const ShuffleRunsView* runs, std::size_t count,
                  std::uint8_t* out);
    // Whether remap reads shuffle runs (worth building them for).
    bool shufflesRuns;
    // The output with the desktop behind the fire (see DesktopLayer.h).
    void (*mixDesktop)(const std::uint8_t* fire, const std::uint8_t* layer, int width, int height, std::uint8_t* dest);
    // Writes, in increasing order, the columns x < width with x mod 2 equal
    // to parity whose value v has lo <= v < lo + span (0 <= lo, lo + span <=
    // 256); returns how many.
    int (*findInRange)(const std::uint8_t* row, int width, int parity, int lo, int span, int* columns);
    // out[i] := table[indexes[i]] for i < count.
    void (*lookUpWords)(const std::uint8_t* indexes, std::size_t count, const std::uint32_t* table,
                        std::uint32_t* out);
    // Rows of 32-bit pixels, each of four byte channels blended as
    // (a x (256 - w) + b x w) >> 8 with w from 0 to 256 (the frame upscaler):
    // out[x] := blend(top[x], bottom[x]) with one weight for the row, and
    // out[x] := blend(row[first[x]], row[first[x] + 1]) with the weight
    // weights[4 x] (repeated in weights[4 x + 1 .. 4 x + 3]).
    void (*blendPixelRows)(const std::uint32_t* top, const std::uint32_t* bottom, int weight, int count,
                           std::uint32_t* out);
    void (*stretchPixelRow)(const std::uint32_t* row, const int* first, const std::uint16_t* weights, int count,
                            std::uint32_t* out);
    // The stretch to twice the width, between pixels: for k < pairs,
    // out[2 k] := blend(row[k], row[k + 1]) with weight 64 and
    // out[2 k + 1] := the same with weight 192 (reads row[0 .. pairs]).
    void (*doublePixelRow)(const std::uint32_t* row, int pairs, std::uint32_t* out);
    // Puts a size x size glow (size 5 or 9; stamp rows 9 bytes apart, entries
    // of 0 skipped) with its top-left corner at `corner`, field rows `width`
    // apart: each pixel raised by (entry x value) >> 8 when additive, else
    // set to it, and cut at 247.
    using StampGlowPass = void (*)(std::uint8_t* corner, int width, const std::uint8_t (*stamp)[9], int size,
                                   int value, int additive);
    StampGlowPass stampGlow;
    // For each pixel k < count from `centre`: the first ray angle a whose
    // samples at centre + k + offsets[kRaySampleCount * a + s] add up to the
    // most (null at the scalar level, which walks the rays one by one).
    void (*bestRays)(const std::uint8_t* centre, int count, const std::ptrdiff_t* offsets, std::uint8_t* best);
};

// The widest passes this build and processor run.
const FirePasses& BestFirePasses();
// The passes of one level, or null when this build or processor lacks it.
const FirePasses* FirePassesOf(PassLevel level);
// The widest level this build and processor run.
PassLevel BestPassLevel();
// "scalar", "sse2", "ssse3", "avx2", "avx512", and back; false for an unknown name.
const char* PassLevelName(PassLevel level);
bool ParsePassLevel(const char* name, PassLevel& level);
