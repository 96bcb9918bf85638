// SPDX-License-Identifier: GPL-2.0-or-later
#include "engine/TurbulenceMap.h"
#include "engine/FirePasses.h"
#include "platform/Resources.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <new>
#include <vector>

namespace {
// The eleven ray angles 0, 0.6, ... (the last just under 6.0), accumulated as
// written, with their sines and cosines.
struct RayAngles {
    int count = 0;
    double angle[kRayAngleCount], sine[kRayAngleCount], cosine[kRayAngleCount];
    RayAngles() {
        for (double a = 0; a <= 6.29; a += 0.6) {
            angle[count] = a;
            sine[count] = std::sin(a);
            cosine[count] = std::cos(a);
            ++count;
        }
    }
};

// Pixels 4 or more from every border reach 4 along every ray: the same six
// samples around each of them, and one direction per angle.
constexpr int kFullReach = 4;

struct InteriorRays {
    std::ptrdiff_t offsets[kRayAngleCount * kRaySampleCount];
    RayResult direction[kRayAngleCount];
};

const RayAngles& Angles() {
    static const RayAngles angles;
    return angles;
}

using File = std::unique_ptr<std::FILE, int (*)(std::FILE*)>;
}  // namespace

std::string TurbulenceCachePath(const std::string& directory, int width, int height) {
    char name[64];
    std::snprintf(name, sizeof name, "cw%dx%d.tdf30", width, height);
    return directory + name;
}

RayResult RayDirection(const std::uint8_t* heights, int width, int height, int x, int y) {
    const int lim = std::min({kFullReach, std::abs(width - x), std::abs(height - y), std::abs(x), std::abs(y)});
    if (lim == 0) return RayResult{0, 0};
    const RayAngles& angles = Angles();
    int best = INT_MIN, bestIndex = 0;
    for (int i = 0; i < angles.count; ++i) {
        int sum = 0;
        for (double t = 0; t <= lim; t += 0.7)
            sum += heights[(y + static_cast<int>(t * angles.sine[i])) * width + (x + static_cast<int>(t * angles.cosine[i]))];
        if (sum > best) {
            best = sum;
            bestIndex = i;
        }
    }
    const double mag = lim / 0.7;
    return RayResult{mag * angles.cosine[bestIndex], mag * angles.sine[bestIndex]};
}

namespace {
// Truncates toward zero and raises by one with a probability near the fraction
// (and one time in a hundred even for a whole value).
int RoundWithDraw(RandomTable& random, double value) {
    int whole = static_cast<int>(value);
    if (static_cast<int>((value - whole) * 100) >= random.Draw() % 100) ++whole;
    return whole;
}

// The rays of an interior pixel, as RayDirection walks them, with the offsets
// of their samples in a grid of `width` columns.
InteriorRays MakeInteriorRays(int width) {
    const RayAngles& angles = Angles();
    InteriorRays rays{};
    for (int i = 0; i < angles.count; ++i) {
        int s = 0;
        for (double t = 0; t <= kFullReach; t += 0.7, ++s)
            rays.offsets[kRaySampleCount * i + s] =
                static_cast<std::ptrdiff_t>(static_cast<int>(t * angles.sine[i])) * width +
                static_cast<int>(t * angles.cosine[i]);
        const double mag = kFullReach / 0.7;
        rays.direction[i] = RayResult{mag * angles.cosine[i], mag * angles.sine[i]};
    }
    return rays;
}

// The pixel's source: ix rows down and iy columns to the left of it, at right
// angles to the direction of the highest ground, further where it is low.
int SourceOf(RandomTable& random, RayResult ray, float lowness, int width, int x, int y, long long count) {
    const int ix = RoundWithDraw(random, ray.dx * lowness * lowness * 2);
    const int iy = RoundWithDraw(random, ray.dy * lowness * lowness * 2);
    const long long source = static_cast<long long>(width) * (y + ix) + (x - iy);
    return source >= 0 && source < count ? static_cast<int>(source) : y * width + x;
}
}  // namespace

void DeriveTurbulenceMap(SharedEngineState& shared, const std::uint8_t* heights, int width, int height, int* map,
                         TurbulenceProgress* progress) {
    const float maxHeight = static_cast<float>(*std::max_element(heights, heights + static_cast<std::size_t>(width) * height));
    const long long count = static_cast<long long>(width) * height;
    // The vector passes find the best rays of a row's interior pixels at once.
    const auto bestRays = shared.passes->bestRays;
    const InteriorRays rays = MakeInteriorRays(width);
    const int interiorWidth = width - 2 * kFullReach + 1;
    std::vector<std::uint8_t> best(bestRays && interiorWidth > 0 ? static_cast<std::size_t>(width) : 0);
    for (int y = 0; y < height; ++y) {
        if (progress) progress->Row(y);
        const std::size_t row = static_cast<std::size_t>(y) * width;
        const bool interiorRow = !best.empty() && y >= kFullReach && y <= height - kFullReach;
        if (interiorRow) bestRays(heights + row + kFullReach, interiorWidth, rays.offsets, best.data() + kFullReach);
        for (int x = 0; x < width; ++x) {
            const bool interior = interiorRow && x >= kFullReach && x <= width - kFullReach;
            const RayResult ray = interior ? rays.direction[best[static_cast<std::size_t>(x)]]
                                           : RayDirection(heights, width, height, x, y);
            const float lowness = 1 - static_cast<float>(heights[row + static_cast<std::size_t>(x)]) / maxHeight;
            map[row + static_cast<std::size_t>(x)] = SourceOf(shared.random, ray, lowness, width, x, y, count);
        }
    }
}

int LoadTurbulenceCache(const std::string& path, int* map, int width, int height) {
    File file(std::fopen(path.c_str(), "rb"), &std::fclose);
    if (!file) return 0;
    const std::size_t count = static_cast<std::size_t>(width) * height;
    std::vector<std::uint8_t> bytes(count * 4);
    const bool complete = std::fread(bytes.data(), 1, bytes.size(), file.get()) == bytes.size();
    file.reset();
    bool valid = complete;
    for (std::size_t i = 0; valid && i < count; ++i) {
        const std::uint32_t entry = static_cast<std::uint32_t>(bytes[4 * i]) | static_cast<std::uint32_t>(bytes[4 * i + 1]) << 8 |
                                    static_cast<std::uint32_t>(bytes[4 * i + 2]) << 16 |
                                    static_cast<std::uint32_t>(bytes[4 * i + 3]) << 24;
        valid = entry < count;  // a negative entry is above the count as unsigned
        map[i] = static_cast<int>(entry);
    }
    if (!valid) {
        // A short, corrupted or hostile file would point outside the field.
        for (std::size_t i = 0; i < count; ++i) map[i] = static_cast<int>(i);
        std::remove(path.c_str());
        return 0;
    }
    return 1;
}

int SaveTurbulenceCache(const std::string& path, const int* map, int width, int height) {
    File file(std::fopen(path.c_str(), "wb"), &std::fclose);
    if (!file) return 0;
    const std::size_t count = static_cast<std::size_t>(width) * height;
    std::vector<std::uint8_t> bytes(count * 4);
    for (std::size_t i = 0; i < count; ++i)
        for (int b = 0; b < 4; ++b) bytes[4 * i + b] = static_cast<std::uint8_t>(static_cast<std::uint32_t>(map[i]) >> (8 * b));
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file.get()) == bytes.size();
    const bool closed = std::fclose(file.release()) == 0;
    if (written && closed) return 1;
    std::remove(path.c_str());
    return 0;
}

int BuildOrLoadTurbulenceMap(SharedEngineState& shared, int* map, int width, int height,
                             const std::string& cacheDirectory, TurbulenceProgress* progress) {
    const std::string cachePath = TurbulenceCachePath(cacheDirectory, width, height);
    try {
        if (LoadTurbulenceCache(cachePath, map, width, height)) return 1;
        ResourceData field{};
        if (!FindBuiltInResource("TRANSITION", kHeightFieldId, field) ||
            field.size < static_cast<std::size_t>(kHeightFieldWidth) * kHeightFieldHeight)
            return 0;
        std::vector<std::uint8_t> heights(static_cast<std::size_t>(width) * height);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                heights[static_cast<std::size_t>(y) * width + x] =
                    field.bytes[(y % kHeightFieldHeight) * kHeightFieldWidth + x % kHeightFieldWidth];
        if (progress) progress->Begin(height);
        DeriveTurbulenceMap(shared, heights.data(), width, height, map, progress);
        SaveTurbulenceCache(cachePath, map, width, height);
        if (progress) progress->End();
    } catch (const std::bad_alloc&) {
        return 0;
    }
    return 1;
}
