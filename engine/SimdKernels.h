// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The vector passes, written once over a set of vector operations `Ops`
// (SSE2 with 16-byte vectors, AVX2 with 32-byte ones). Each translation unit
// instantiates them with its own Ops in an unnamed namespace, so code built
// for AVX2 never leaves its unit. Only plain functions and builtins are used
// here: no standard-library template may be instantiated under AVX2.
#include "engine/DesktopLayer.h"
#include "engine/FireField.h"
#include "engine/FirePasses.h"
#include "engine/PassTables.h"

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace simd_kernels {

// floor((a + b + c + d) / 4) in bytes: two floor averages, then their floor
// average raised by one where both halves dropped a one.
template <class Ops>
typename Ops::V FloorAverage4(typename Ops::V a, typename Ops::V b, typename Ops::V c, typename Ops::V d) {
    using V = typename Ops::V;
    const V one = Ops::Set1(1);
    const V ab = Ops::Xor(a, b), cd = Ops::Xor(c, d);
    const V h1 = Ops::SubBytes(Ops::AvgBytes(a, b), Ops::And(ab, one));
    const V h2 = Ops::SubBytes(Ops::AvgBytes(c, d), Ops::And(cd, one));
    const V bothDropped = Ops::And(Ops::And(ab, cd), one);
    const V odd = Ops::And(Ops::Xor(h1, h2), one);
    return Ops::SubBytes(Ops::AvgBytes(h1, h2), Ops::AndNot(bothDropped, odd));
}

template <class Ops>
typename Ops::V AveragedAt(const std::uint8_t* row, int x, int width) {
    const std::uint8_t* below = row + width;
    return FloorAverage4<Ops>(Ops::Load(below + x - 1), Ops::Load(below + x), Ops::Load(below + x + 1),
                              Ops::Load(row + x));
}

// Every pixel of a row reads only its own old value and the finished row
// below, so whole vectors are independent. The last vector, which may
// overlap the one before it, is computed before anything of the row is
// stored: column 0 reads the row's old last byte, and the overlap must see
// old values too.
template <class Ops>
void AverageUpward(std::uint8_t* field, int width, int height) {
    constexpr int N = Ops::kBytes;
    if (width < N) {
        ::AverageUpward(field, width, height);
        return;
    }
    for (int y = height - 2; y >= 0; --y) {
        std::uint8_t* row = field + static_cast<std::size_t>(y) * width;
        const typename Ops::V last = AveragedAt<Ops>(row, width - N, width);
        for (int x = 0; x + N <= width; x += N) Ops::Store(row + x, AveragedAt<Ops>(row, x, width));
        Ops::Store(row + width - N, last);
    }
}

template <class Ops>
int FindInRange(const std::uint8_t* row, int width, int parity, int lo, int span, int* columns) {
    using V = typename Ops::V;
    constexpr int N = Ops::kBytes;
    const V base = Ops::Set1(lo), limit = Ops::Set1(span - 1);
    const std::uint32_t wanted = parity ? 0xAAAAAAAAu : 0x55555555u;
    int found = 0, x = 0;
    for (; x + N <= width; x += N) {
        const V offset = Ops::SubBytes(Ops::Load(row + x), base);  // below `span` exactly in range
        std::uint32_t mask = Ops::MoveMask(Ops::CmpEqBytes(Ops::MinBytes(offset, limit), offset)) & wanted;
        for (; mask; mask &= mask - 1) columns[found++] = x + __builtin_ctz(mask);
    }
    const int tail = FindInRangeScalar(row + x, width - x, parity, lo, span, columns + found);
    for (int i = found; i < found + tail; ++i) columns[i] += x;
    return found + tail;
}

// The running carry is a sum modulo 8 per byte lane as long as no byte can
// overflow into its neighbour, which needs a fire byte above 247: such
// vectors (rare, near the bottom source) take the word-by-word path.
template <class Ops>
void MixDesktop(const std::uint8_t* fire, const std::uint8_t* layer, int width, int height, std::uint8_t* dest) {
    using V = typename Ops::V;
    constexpr int N = Ops::kBytes;
    const V lowBits = Ops::Set1(7), highBits = Ops::Set1(0xF8), ceiling = Ops::Set1(247);
    const int mixed = width & ~3;
    V carry = Ops::Zero();
    for (int y = 0; y < height - 1; ++y) {
        const std::size_t row = static_cast<std::size_t>(y) * width;
        int x = 0;
        for (; x + N <= mixed; x += N) {
            const V f = Ops::Load(fire + row + x);
            if (!Ops::AllZero(Ops::SubsBytes(f, ceiling))) {
                carry = Ops::Broadcast32(
                    MixDesktopWords(fire + row + x, layer + row + x, N / 4, Ops::FirstWord(carry), dest + row + x));
                continue;
            }
            const V low = Ops::And(f, lowBits);
            const V sums = Ops::PrefixWords(low);
            const V lane = Ops::And(Ops::AddBytes(Ops::SubBytes(sums, low), carry), lowBits);
            const V out = Ops::AddWords32(Ops::And(Ops::AddBytes(f, lane), highBits),
                                          Ops::GatherLayer(layer + row + x, f));
            carry = Ops::BroadcastLastWord(Ops::And(Ops::AddBytes(sums, carry), lowBits));
            Ops::Store(dest + row + x, out);
        }
        carry = Ops::Broadcast32(
            MixDesktopWords(fire + row + x, layer + row + x, (mixed - x) / 4, Ops::FirstWord(carry), dest + row + x));
        std::memcpy(dest + row + mixed, fire + row + mixed, static_cast<std::size_t>(width - mixed));
    }
    const std::size_t last = static_cast<std::size_t>(height - 1) * width;
    std::memcpy(dest + last, fire + last, static_cast<std::size_t>(width));
}

template <class Ops>
typename Ops::V RaySum(const std::uint8_t* centre, const std::ptrdiff_t* offsets) {
    typename Ops::V sum = Ops::LoadWidened(centre + offsets[0]);
    for (int s = 1; s < kRaySampleCount; ++s) sum = Ops::AddSums(sum, Ops::LoadWidened(centre + offsets[s]));
    return sum;
}

static inline int BestRayOfPixel(const std::uint8_t* centre, const std::ptrdiff_t* offsets) {
    int best = -1, bestAngle = 0;
    for (int a = 0; a < kRayAngleCount; ++a) {
        int sum = 0;
        for (int s = 0; s < kRaySampleCount; ++s) sum += centre[offsets[kRaySampleCount * a + s]];
        if (sum > best) {
            best = sum;
            bestAngle = a;
        }
    }
    return bestAngle;
}

template <class Ops>
void BestRays(const std::uint8_t* centre, int count, const std::ptrdiff_t* offsets, std::uint8_t* best) {
    using V = typename Ops::V;
    constexpr int L = Ops::kBytes / 2;  // 16-bit sums: at most 6 x 255
    int k = 0;
    for (; k + L <= count; k += L) {
        V bestSum = RaySum<Ops>(centre + k, offsets);
        V bestAngle = Ops::Zero();
        for (int a = 1; a < kRayAngleCount; ++a) {
            const V sum = RaySum<Ops>(centre + k, offsets + kRaySampleCount * a);
            const V higher = Ops::GreaterSums(sum, bestSum);  // the first angle wins a tie
            bestSum = Ops::MaxSums(sum, bestSum);
            bestAngle = Ops::Or(Ops::And(higher, Ops::SetSums(a)), Ops::AndNot(higher, bestAngle));
        }
        Ops::StoreNarrowed(best + k, bestAngle);
    }
    for (; k < count; ++k) best[k] = static_cast<std::uint8_t>(BestRayOfPixel(centre + k, offsets));
}

}  // namespace simd_kernels
