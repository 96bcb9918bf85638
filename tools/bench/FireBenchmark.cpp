// Frames per second of the fire at common screen sizes, beside a memcpy of a
// field of the same size as the bandwidth baseline, and the one-off cost of
// a turbulence map at full HD.
#include "engine/CrtRandom.h"
#include "engine/FireEngine.h"
#include "engine/RandomTable.h"
#include "engine/TurbulenceMap.h"
#include "platform/Resources.h"
#include "settings/Settings.h"
#include "sound/SoundPlayer.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

namespace {
Settings BenchmarkSettings(int width, int height) {
    Settings settings;
    settings.ResetToLoadDefaults();
    settings.SetInt(SettingId::XRes, width);
    settings.SetInt(SettingId::YRes, height);
    return settings;
}

void StepAndRender(benchmark::State& state) {
    const int width = static_cast<int>(state.range(0)), height = static_cast<int>(state.range(1));
    g_bMute = 1;
    ResetSharedEngineState();
    CrtSrand(1);
    RandomTable::Fill();
    CFireEngine engine;
    if (!engine.Create(BenchmarkSettings(width, height))) {
        state.SkipWithError("the engine could not be created");
        return;
    }
    std::vector<std::uint8_t> frame(static_cast<std::size_t>(width) * height);
    FirePalette palette{};
    for (auto _ : state) {
        engine.Step();
        engine.RenderTo(frame.data());
        if (engine.TakePaletteChanged()) engine.CopyPalette(palette);
        benchmark::DoNotOptimize(frame.data());
    }
    state.counters["fps"] = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}

// Building the turbulence map, which the user waits for once per resolution.
void BuildTurbulenceMap(benchmark::State& state) {
    const int width = static_cast<int>(state.range(0)), height = static_cast<int>(state.range(1));
    ResourceData field{};
    if (!FindBuiltInResource("TRANSITION", kHeightFieldId, field)) {
        state.SkipWithError("no height field");
        return;
    }
    std::vector<std::uint8_t> heights(static_cast<std::size_t>(width) * height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            heights[static_cast<std::size_t>(y) * width + x] =
                field.bytes[(y % kHeightFieldHeight) * kHeightFieldWidth + x % kHeightFieldWidth];
    std::vector<int> map(heights.size());
    for (auto _ : state) {
        DeriveTurbulenceMap(heights.data(), width, height, map.data(), nullptr);
        benchmark::DoNotOptimize(map.data());
    }
}

void CopyField(benchmark::State& state) {
    const std::size_t size = static_cast<std::size_t>(state.range(0)) * static_cast<std::size_t>(state.range(1));
    std::vector<std::uint8_t> from(size, 1), to(size);
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), size);
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
    }
    state.counters["fps"] = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
}  // namespace

BENCHMARK(StepAndRender)->Args({640, 480})->Args({1920, 1080})->Unit(benchmark::kMillisecond);
BENCHMARK(BuildTurbulenceMap)->Args({1920, 1080})->Unit(benchmark::kMillisecond);
BENCHMARK(CopyField)->Args({640, 480})->Args({1920, 1080})->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
