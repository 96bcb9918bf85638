// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include "engine/FirePasses.h"

// The table of each level; null where this build has no such code.
const FirePasses* ScalarFirePasses();
const FirePasses* Sse2FirePasses();
const FirePasses* Ssse3FirePasses();
const FirePasses* Avx2FirePasses();
// AVX-512 with its byte permutes (F, BW and VBMI).
const FirePasses* Avx512FirePasses();

// Gathers have no SSE2 form, and the AVX2 gather is slower than plain loads
// on the processors measured: both levels share these loops of plain loads.
void RemapUnrolled(const std::uint8_t* field, const int* map, const ShuffleRunsView* runs, std::size_t count,
                   std::uint8_t* out);
void LookUpWordsSse2(const std::uint8_t* indexes, std::size_t count, const std::uint32_t* table, std::uint32_t* out);

// The remap by byte shuffles (SSSE3, and so also at the AVX2 level).
void RemapShuffled(const std::uint8_t* field, const int* map, const ShuffleRunsView* runs, std::size_t count,
                   std::uint8_t* out);

// Scalar references of the passes that have no home of their own.
void BlendPixelRowsScalar(const std::uint32_t* top, const std::uint32_t* bottom, int weight, int count,
                          std::uint32_t* out);
void StampGlowScalar(std::uint8_t* corner, int width, const std::uint8_t (*stamp)[9], int size, int value,
                     int additive);
void StampGlowSse2(std::uint8_t* corner, int width, const std::uint8_t (*stamp)[9], int size, int value,
                   int additive);
void StretchPixelRowScalar(const std::uint32_t* row, const int* first, const std::uint16_t* weights, int count,
                           std::uint32_t* out);
void DoublePixelRowScalar(const std::uint32_t* row, int pairs, std::uint32_t* out);
void RemapScalar(const std::uint8_t* field, const int* map, const ShuffleRunsView* runs, std::size_t count,
                 std::uint8_t* out);
int FindInRangeScalar(const std::uint8_t* row, int width, int parity, int lo, int span, int* columns);
void LookUpWordsScalar(const std::uint8_t* indexes, std::size_t count, const std::uint32_t* table,
                       std::uint32_t* out);
