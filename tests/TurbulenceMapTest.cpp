// SPDX-License-Identifier: GPL-2.0-or-later
#include "engine/TurbulenceMap.h"
#include "tests/TestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <fstream>

namespace {
long FileSize(const std::string& path) {
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    return in ? static_cast<long>(in.tellg()) : -1;
}

void WriteEntries(const std::string& path, const std::vector<std::int32_t>& entries, std::size_t extraBytes = 0) {
    std::ofstream out(path, std::ios::binary);
    for (std::int32_t e : entries)
        for (int b = 0; b < 4; ++b) out.put(static_cast<char>(static_cast<std::uint32_t>(e) >> (8 * b)));
    out << std::string(extraBytes, 'x');
}

std::vector<int> Identity(int count) {
    std::vector<int> map(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) map[static_cast<std::size_t>(i)] = i;
    return map;
}
}  // namespace

TEST(RayDirection, PixelsWithoutRoomOnEverySideHaveNoDirection) {
    std::vector<std::uint8_t> heights(20 * 10, 100);
    heights[5 * 20 + 7] = 255;
    for (auto [x, y] : {std::pair{0, 5}, {5, 0}, {0, 0}}) {
        const RayResult ray = RayDirection(heights.data(), 20, 10, x, y);
        EXPECT_EQ(ray.dx, 0);
        EXPECT_EQ(ray.dy, 0);
    }
    // A peak straight to the right of (5, 5) wins angle 0: full length along x.
    const RayResult ray = RayDirection(heights.data(), 20, 10, 5, 5);
    EXPECT_NEAR(ray.dx, 4 / 0.7, 1e-12);
    EXPECT_NEAR(ray.dy, 0, 1e-12);
    // One pixel from the border the rays reach only one pixel.
    const RayResult edge = RayDirection(heights.data(), 20, 10, 1, 5);
    EXPECT_NEAR(std::hypot(edge.dx, edge.dy), 1 / 0.7, 1e-12);
}

TEST(DeriveTurbulenceMap, FlatHighestGroundKeepsPixelsNearlyInPlace) {
    const int W = 30, H = 20;
    std::vector<std::uint8_t> heights(W * H, 200);
    std::vector<int> map(W * H);
    auto run = FreshRun(3);
    const std::uint32_t before = run->random.Cursor();
    DeriveTurbulenceMap(*run, heights.data(), W, H, map.data(), nullptr);
    EXPECT_EQ(run->random.Cursor() - before, 2u * W * H) << "two draws per pixel";
    int moved = 0;
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            const int source = map[y * W + x];
            ASSERT_GE(source, 0);
            ASSERT_LT(source, W * H);
            const int dy = source / W - y, dx = source % W - x;
            // m = 0: only the one-in-a-hundred raise moves a pixel, by one row or column.
            ASSERT_LE(std::abs(dy) + std::abs(dx), 2) << x << "," << y;
            moved += source != y * W + x;
        }
    EXPECT_GT(moved, 0);
    EXPECT_LT(moved, W * H / 20);
}

TEST(DeriveTurbulenceMap, DisplacementsStayWithinTwelvePixelsAndInsideTheField) {
    const int W = 64, H = 48;
    std::vector<std::uint8_t> heights(W * H);
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) heights[y * W + x] = static_cast<std::uint8_t>(x * 3 + (y % 7) * 5);
    std::vector<int> map(W * H);
    auto run = FreshRun(4);
    DeriveTurbulenceMap(*run, heights.data(), W, H, map.data(), nullptr);
    int farthest = 0;
    for (int i = 0; i < W * H; ++i) {
        ASSERT_GE(map[i], 0);
        ASSERT_LT(map[i], W * H);
        farthest = std::max(farthest, std::abs(map[i] / W - i / W));
    }
    EXPECT_LE(farthest, 12) << "at most 2 x 4 / 0.7 rounded up";
    EXPECT_GE(farthest, 3) << "low ground does move pixels";
}

TEST(TurbulenceCache, IsBuiltOnceAndReadBackWithoutDraws) {
    const std::string folder = FreshTestFolder("cache");
    const int W = 48, H = 32;
    std::vector<int> built = Identity(W * H), loaded = Identity(W * H);
    auto run = FreshRun(5);
    ASSERT_EQ(BuildOrLoadTurbulenceMap(*run, built.data(), W, H, folder, nullptr), 1);
    EXPECT_EQ(FileSize(TurbulenceCachePath(folder, W, H)), 4L * W * H);
    EXPECT_EQ(TurbulenceCachePath(folder, W, H), folder + "cw48x32.tdf30");
    const std::uint32_t before = run->random.Cursor();
    ASSERT_EQ(BuildOrLoadTurbulenceMap(*run, loaded.data(), W, H, folder, nullptr), 1);
    EXPECT_EQ(run->random.Cursor(), before) << "a loaded cache takes no draws";
    EXPECT_EQ(loaded, built);
}

TEST(TurbulenceCache, ExtraBytesAreAcceptedShortFilesRebuilt) {
    const std::string folder = FreshTestFolder("cache");
    const int W = 8, H = 4;
    const std::string path = TurbulenceCachePath(folder, W, H);
    std::vector<std::int32_t> entries(W * H);
    for (int i = 0; i < W * H; ++i) entries[static_cast<std::size_t>(i)] = (i * 7) % (W * H);
    WriteEntries(path, entries, 13);
    std::vector<int> map = Identity(W * H);
    ASSERT_EQ(LoadTurbulenceCache(path, map.data(), W, H), 1);
    EXPECT_EQ(map[1], 7);

    entries.pop_back();
    WriteEntries(path, entries);
    EXPECT_EQ(LoadTurbulenceCache(path, map.data(), W, H), 0);
    EXPECT_EQ(FileSize(path), -1) << "a short cache is deleted";
    auto run = FreshRun(5);
    ASSERT_EQ(BuildOrLoadTurbulenceMap(*run, map.data(), W, H, folder, nullptr), 1);
    EXPECT_EQ(FileSize(path), 4L * W * H) << "and rebuilt";
}

TEST(TurbulenceCache, EntriesOutsideTheFieldMakeTheFileInvalid) {
    const std::string folder = FreshTestFolder("cache");
    const int W = 8, H = 4;
    const std::string path = TurbulenceCachePath(folder, W, H);
    for (std::int32_t hostile : {W * H, -1, 0x7FFFFFFF}) {
        std::vector<std::int32_t> entries(W * H, 3);
        entries[17] = hostile;
        WriteEntries(path, entries);
        std::vector<int> map(W * H, -99);
        EXPECT_EQ(LoadTurbulenceCache(path, map.data(), W, H), 0) << hostile;
        EXPECT_EQ(FileSize(path), -1) << "the bad file is deleted";
        for (int i = 0; i < W * H; ++i) ASSERT_EQ(map[i], i) << "the map stays safe to use";
    }
}

TEST(TurbulenceCache, AnUnwritableFolderStillGivesAMap) {
    const int W = 16, H = 8;
    std::vector<int> map = Identity(W * H);
    auto run = FreshRun(6);
    EXPECT_EQ(BuildOrLoadTurbulenceMap(*run, map.data(), W, H, FreshTestFolder("cache") + "no-such-folder/deeper/", nullptr), 1);
    EXPECT_NE(map, Identity(W * H));
}

TEST(TurbulenceProgress, ReportsEveryRowOfABuild) {
    struct Recorder : TurbulenceProgress {
        int rows = -1, last = -1, ends = 0;
        void Begin(int r) override { rows = r; }
        void Row(int y) override { last = y; }
        void End() override { ++ends; }
    } recorder;
    const std::string folder = FreshTestFolder("cache");
    std::vector<int> map = Identity(20 * 10);
    auto run = FreshRun();
    BuildOrLoadTurbulenceMap(*run, map.data(), 20, 10, folder, &recorder);
    EXPECT_EQ(recorder.rows, 10);
    EXPECT_EQ(recorder.last, 9);
    EXPECT_EQ(recorder.ends, 1);
}
