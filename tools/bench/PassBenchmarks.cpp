// SPDX-License-Identifier: GPL-2.0-or-later
// Each hot pass of a frame at 1920 x 1080 and 3840 x 2160, at every level of
// instructions, reported as a multiple of a memcpy of the bytes it covers.
#include "engine/SharedEngineState.h"
#include "engine/ShuffleRuns.h"
#include "engine/TurbulenceMap.h"
#include "platform/Resources.h"
#include "run/FrameConversion.h"
#include "run/FrameUpscaler.h"
#include "tools/bench/BenchSupport.h"

#include <map>
#include <memory>
#include <utility>

namespace {
int WidthOf(const benchmark::State& state) { return static_cast<int>(state.range(1)); }
int HeightOf(const benchmark::State& state) { return static_cast<int>(state.range(2)); }
std::size_t PixelsOf(const benchmark::State& state) {
    return static_cast<std::size_t>(WidthOf(state)) * static_cast<std::size_t>(HeightOf(state));
}

// The built-in height field tiled over a screen, as the map build sees it.
std::vector<std::uint8_t> TiledHeights(int width, int height) {
    ResourceData field{};
    std::vector<std::uint8_t> heights(static_cast<std::size_t>(width) * height);
    if (!FindBuiltInResource("TRANSITION", kHeightFieldId, field)) return heights;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            heights[static_cast<std::size_t>(y) * width + x] =
                field.bytes[(y % kHeightFieldHeight) * kHeightFieldWidth + x % kHeightFieldWidth];
    return heights;
}

// A real turbulence map of each size, built once with the widest passes.
const std::vector<int>& TurbulenceMapOf(int width, int height) {
    static std::map<std::pair<int, int>, std::vector<int>> maps;
    std::vector<int>& map = maps[{width, height}];
    if (map.empty()) {
        const std::unique_ptr<SharedEngineState> run(new SharedEngineState(1));
        map.resize(static_cast<std::size_t>(width) * height);
        DeriveTurbulenceMap(*run, TiledHeights(width, height).data(), width, height, map.data(), nullptr);
    }
    return map;
}

void AverageUpwardPass(benchmark::State& state) {
    const FirePasses* passes = PassesOf(state);
    if (!passes) return;
    std::vector<std::uint8_t> field = RandomBytes(PixelsOf(state) + WidthOf(state), 254, 1);
    TimeAgainstMemcpy(state, PixelsOf(state),
                      [&] { passes->averageUpward(field.data(), WidthOf(state), HeightOf(state)); });
}

// The remap over a real map; with `coldCaches`, as a saver meets it 25 ms
// after its last frame.
void TurbulenceRemap(benchmark::State& state, bool coldCaches) {
    const std::vector<int>& map = TurbulenceMapOf(WidthOf(state), HeightOf(state));
    const FirePasses* passes = PassesOf(state);
    if (!passes) return;
    const std::vector<std::uint8_t> field = RandomBytes(PixelsOf(state) + WidthOf(state) + 15, 254, 2);
    std::vector<std::uint8_t> out(PixelsOf(state));
    ShuffleRuns runs;
    if (passes->shufflesRuns) runs.Build(map.data(), map.size());
    const ShuffleRunsView view = runs.View();
    TimeAgainstMemcpy(state, PixelsOf(state),
                      [&] { passes->remap(field.data(), map.data(), &view, map.size(), out.data()); },
                      false, coldCaches);
}

void TurbulenceRemapPass(benchmark::State& state) { TurbulenceRemap(state, false); }
void TurbulenceRemapPassColdCaches(benchmark::State& state) { TurbulenceRemap(state, true); }

void MixDesktopPass(benchmark::State& state) {
    const FirePasses* passes = PassesOf(state);
    if (!passes) return;
    const std::vector<std::uint8_t> fire = RandomBytes(PixelsOf(state) + WidthOf(state), 247, 3);
    const std::vector<std::uint8_t> layer = RandomBytes(PixelsOf(state) + WidthOf(state) + 66, 7, 4);
    std::vector<std::uint8_t> out(PixelsOf(state));
    TimeAgainstMemcpy(state, PixelsOf(state), [&] {
        passes->mixDesktop(fire.data(), layer.data(), WidthOf(state), HeightOf(state), out.data());
    });
}

// The paper burn's search for burning pixels over a whole burn map.
void PaperBurnSearchPass(benchmark::State& state) {
    const FirePasses* passes = PassesOf(state);
    if (!passes) return;
    const std::vector<std::uint8_t> burnMap = RandomBytes(PixelsOf(state), 255, 5);
    std::vector<int> columns(static_cast<std::size_t>(WidthOf(state)));
    TimeAgainstMemcpy(state, PixelsOf(state), [&] {
        int found = 0;
        for (int y = 0; y < HeightOf(state); ++y)
            found += passes->findInRange(&burnMap[static_cast<std::size_t>(y) * WidthOf(state)], WidthOf(state), y & 1,
                                         120, 8, columns.data());
        benchmark::DoNotOptimize(found);
    });
}

void ConversionTo32Bits(benchmark::State& state) {
    const FirePasses* passes = PassesOf(state);
    if (!passes) return;
    const std::vector<std::uint8_t> frame = RandomBytes(PixelsOf(state), 255, 6);
    PixelPalette palette;
    PaletteToPixels(FirePalette{}, palette);
    std::vector<std::uint32_t> pixels(PixelsOf(state));
    TimeAgainstMemcpy(state, 4 * PixelsOf(state), [&] {
        IndexedToPixels(frame.data(), WidthOf(state), HeightOf(state), palette,
                        reinterpret_cast<std::uint8_t*>(pixels.data()), 4 * WidthOf(state), *passes);
    });
}

// Half the screen's size scaled up to the screen.
void UpscaleByTwo(benchmark::State& state) {
    const int width = static_cast<int>(state.range(0)), height = static_cast<int>(state.range(1));
    const std::vector<std::uint8_t> source = RandomBytes(4 * static_cast<std::size_t>(width / 2) * (height / 2), 255, 7);
    std::vector<std::uint8_t> screen(4 * static_cast<std::size_t>(width) * height);
    FrameUpscaler upscaler;
    upscaler.Prepare(width / 2, height / 2, width, height);
    TimeAgainstMemcpy(state, screen.size(),
                      [&] { upscaler.Scale(source.data(), 4 * (width / 2), screen.data(), 4 * width); });
}

// Building the turbulence map, which the user waits for once per resolution.
void BuildTurbulenceMap(benchmark::State& state) {
    const FirePasses* passes = PassesOf(state);
    if (!passes) return;
    const std::vector<std::uint8_t> heights = TiledHeights(WidthOf(state), HeightOf(state));
    std::vector<int> map(heights.size());
    const std::unique_ptr<SharedEngineState> run(new SharedEngineState(1));
    run->passes = passes;
    for (auto _ : state) {
        DeriveTurbulenceMap(*run, heights.data(), WidthOf(state), HeightOf(state), map.data(), nullptr);
        benchmark::DoNotOptimize(map.data());
    }
}
}  // namespace

BENCHMARK(AverageUpwardPass)->Apply(LevelsAndSizes)->Unit(benchmark::kMicrosecond);
BENCHMARK(TurbulenceRemapPass)->Apply(LevelsAndSizes)->Unit(benchmark::kMicrosecond);
BENCHMARK(TurbulenceRemapPassColdCaches)->Apply(LevelsAndSizes)->Unit(benchmark::kMicrosecond);
BENCHMARK(MixDesktopPass)->Apply(LevelsAndSizes)->Unit(benchmark::kMicrosecond);
BENCHMARK(PaperBurnSearchPass)->Apply(LevelsAndSizes)->Unit(benchmark::kMicrosecond);
BENCHMARK(ConversionTo32Bits)->Apply(LevelsAndSizes)->Unit(benchmark::kMicrosecond);
BENCHMARK(UpscaleByTwo)->Args({3840, 2160})->Unit(benchmark::kMicrosecond);
BENCHMARK(BuildTurbulenceMap)->Args({0, 1920, 1080})->Args({static_cast<int>(BestPassLevel()), 1920, 1080})
    ->Unit(benchmark::kMillisecond);
