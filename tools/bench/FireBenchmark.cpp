// SPDX-License-Identifier: GPL-2.0-or-later
// The full default fire as a saver shows it: Step, RenderTo and the
// conversion to 32-bit pixels, at common screen sizes, while the paper burns
// (the desktop mixed in) and once it has burnt; and on a 4K screen at the
// automatic render scale, with the upscale to the screen. Each run times the
// same frames, so runs of any length compare.
#include "engine/FireEngine.h"
#include "engine/SharedEngineState.h"
#include "run/FrameConversion.h"
#include "run/FrameUpscaler.h"
#include "run/RenderScale.h"
#include "settings/Settings.h"
#include "tools/bench/BenchSupport.h"

#include <memory>

namespace {
// The frames timed: from frame 100 the sparkles are out and the paper burns
// until frame 664; from frame 700 the desktop is gone.
constexpr int kBurningFrom = 100, kBurntFrom = 700;
constexpr int kTimedFrames = 300;

Settings BenchmarkSettings(int width, int height) {
    Settings settings;
    settings.ResetToLoadDefaults();
    settings.SetInt(SettingId::XRes, width);
    settings.SetInt(SettingId::YRes, height);
    return settings;
}

// One run of the fire on a screen, burning a field of the size the render
// scale setting gives it; counters: frames a second, and the mean frame time
// as a multiple of a memcpy of the 8-bit field.
void RunFire(benchmark::State& state, int renderScale, int firstFrame) {
    const int screenWidth = static_cast<int>(state.range(0)), screenHeight = static_cast<int>(state.range(1));
    const FieldSize field = FieldSizeFor(screenWidth, screenHeight, renderScale);
    state.SetLabel(PassLevelName(BestPassLevel()));
    const std::unique_ptr<SharedEngineState> run(new SharedEngineState(1));
    CFireEngine engine(*run);
    if (!engine.Create(BenchmarkSettings(field.width, field.height))) {
        state.SkipWithError("the engine could not be created");
        return;
    }
    const std::size_t fieldPixels = static_cast<std::size_t>(field.width) * field.height;
    std::vector<std::uint8_t> frame(fieldPixels);
    std::vector<std::uint32_t> pixels(fieldPixels);
    std::vector<std::uint32_t> screen;
    FrameUpscaler upscaler;
    const bool scaled = field.width != screenWidth || field.height != screenHeight;
    if (scaled) {
        screen.resize(static_cast<std::size_t>(screenWidth) * screenHeight);
        upscaler.Prepare(field.width, field.height, screenWidth, screenHeight);
    }
    FirePalette palette{};
    PixelPalette colours;
    engine.CopyPalette(palette);
    PaletteToPixels(palette, colours);
    auto frameWork = [&] {
        engine.Step();
        engine.RenderTo(frame.data());
        if (engine.TakePaletteChanged()) {
            engine.CopyPalette(palette);
            PaletteToPixels(palette, colours);
        }
        // As the saver presents: a scaled frame is looked up row by row as the upscaler reads it.
        if (scaled)
            upscaler.ScaleIndexed(frame.data(), colours.pixels, reinterpret_cast<std::uint8_t*>(screen.data()),
                                  4 * screenWidth);
        else
            IndexedToPixels(frame.data(), field.width, field.height, colours,
                            reinterpret_cast<std::uint8_t*>(pixels.data()), 4 * field.width);
    };
    for (int i = 0; i < firstFrame; ++i) frameWork();
    TimeAgainstMemcpy(state, fieldPixels, frameWork, true);
    state.counters["fps"] = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}

void FullDefaultFire(benchmark::State& state) { RunFire(state, 1, kBurningFrom); }
void FullDefaultFireBurnt(benchmark::State& state) { RunFire(state, 1, kBurntFrom); }
void FullDefaultFireAutomaticScale(benchmark::State& state) { RunFire(state, kRenderScaleAutomatic, kBurningFrom); }

void ScreenSizes(benchmark::internal::Benchmark* benchmark) {
    benchmark->Args({1920, 1080})->Args({2560, 1440})->Args({3840, 2160});
    benchmark->Iterations(kTimedFrames)->Unit(benchmark::kMillisecond);
}
}  // namespace

BENCHMARK(FullDefaultFire)->Apply(ScreenSizes);
BENCHMARK(FullDefaultFireBurnt)->Apply(ScreenSizes);
BENCHMARK(FullDefaultFireAutomaticScale)->Args({3840, 2160})->Iterations(kTimedFrames)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
