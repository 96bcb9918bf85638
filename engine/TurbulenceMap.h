// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include "engine/SharedEngineState.h"
#include <cstdint>
#include <string>

// Told while a turbulence map is being built, which takes a noticeable time
// at full-screen sizes and happens once per resolution.
class TurbulenceProgress {
public:
    virtual ~TurbulenceProgress() = default;
    virtual void Begin(int rows) = 0;
    virtual void Row(int y) = 0;
    virtual void End() = 0;
};

// The built-in height field the map is derived from, tiled over the screen.
constexpr int kHeightFieldWidth = 640;
constexpr int kHeightFieldHeight = 480;
constexpr int kHeightFieldId = 1034;

// The cache file of a W x H map in `directory` (which ends in a separator).
std::string TurbulenceCachePath(const std::string& directory, int width, int height);

// Fills `map` (W x H source indexes) from the cache file, or builds it from the
// height field and saves the cache. Returns 0 when neither works (the map is
// then left as it was). `progress` may be null.
int BuildOrLoadTurbulenceMap(SharedEngineState& shared, int* map, int width, int height,
                             const std::string& cacheDirectory, TurbulenceProgress* progress);

// Reads a cache: 0 for a missing file, and 0 after deleting a short one or one
// whose entries do not all lie in 0 .. W x H - 1.
int LoadTurbulenceCache(const std::string& path, int* map, int width, int height);
// Writes a cache; a failed write deletes the partial file and returns 0.
int SaveTurbulenceCache(const std::string& path, const int* map, int width, int height);

struct RayResult {
    double dx, dy;
};

// The direction of the highest ground around (x, y) over eleven angles,
// scaled by how far the rays may reach (up to 4 pixels from every border).
RayResult RayDirection(const std::uint8_t* heights, int width, int height, int x, int y);

// Builds the map from a W x H grid of heights, taking two random draws per pixel.
void DeriveTurbulenceMap(SharedEngineState& shared, const std::uint8_t* heights, int width, int height, int* map,
                         TurbulenceProgress* progress);
