// SPDX-License-Identifier: GPL-2.0-or-later
#include "tools/frames/FramesRun.h"
#include "engine/FireEngine.h"
#include "engine/FirePasses.h"
#include "platform/Paths.h"
#include "settings/SettingIds.h"
#include "tools/frames/Fnv1a.h"
#include "tools/frames/PictureWriters.h"
#include "tools/frames/PpmImage.h"

#include <cinttypes>
#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif
#include <ctime>
#include <new>
#include <memory>
#include <vector>

namespace {
std::uint64_t PaletteHash(const FirePalette& palette) {
    std::uint8_t rgb[768];
    for (int i = 0; i < 256; ++i) {
        rgb[3 * i] = palette.entries[i].red;
        rgb[3 * i + 1] = palette.entries[i].green;
        rgb[3 * i + 2] = palette.entries[i].blue;
    }
    return Fnv1a64(rgb, sizeof rgb);
}

bool StderrIsTerminal() {
#ifdef _WIN32
    return _isatty(_fileno(stderr)) != 0;
#else
    return isatty(fileno(stderr)) != 0;
#endif
}

// A bar on stderr while a turbulence map is built (one line when stderr is no terminal).
class ProgressBar : public TurbulenceProgress {
public:
    void Begin(int rows) override {
        m_rows = rows;
        if (!m_terminal) std::fprintf(stderr, "building the turbulence map...\n");
    }
    void Row(int y) override {
        const int percent = m_rows > 0 ? 100 * y / m_rows : 0;
        if (!m_terminal || percent == m_shown) return;
        m_shown = percent;
        const int filled = percent * 30 / 100;
        std::fprintf(stderr, "\rbuilding the turbulence map [%.*s%*s] %3d%%", filled, "##############################",
                     30 - filled, "", percent);
    }
    void End() override {
        if (m_terminal) std::fprintf(stderr, "\rbuilding the turbulence map [##############################] 100%%\n");
    }

private:
    bool m_terminal = StderrIsTerminal();
    int m_rows = 0;
    int m_shown = -1;
};

std::string WithSeparator(const std::string& directory) {
    return directory.empty() || IsPathSeparator(directory.back()) ? directory : directory + kPathSeparator;
}

using File = std::unique_ptr<std::FILE, int (*)(std::FILE*)>;
}  // namespace

int ReportFramesFailure(int code, const std::string& message) {
    std::fprintf(stderr, "emberlux-frames: %s\n", message.c_str());
    return code;
}

int RunFrames(const FramesOptions& options, std::FILE* out) {
    if (options.fieldOnly) {
        std::fprintf(out, "%dx%d\n", options.width, options.height);
        return 0;
    }
    std::unique_ptr<PictureDesktop> desktop;
    if (!options.desktopPath.empty()) {
        DesktopImage image;
        std::string error;
        if (!ReadPpm(options.desktopPath, image, error)) return ReportFramesFailure(2, error);
        desktop.reset(new PictureDesktop(std::move(image)));
    }
    File raw(nullptr, &std::fclose);
    if (!options.rawPath.empty()) {
        raw.reset(std::fopen(options.rawPath.c_str(), "wb"));
        if (!raw) return ReportFramesFailure(1, "cannot create " + options.rawPath);
    }
    const FirePasses* passes = options.forcePasses ? FirePassesOf(options.passes) : &BestFirePasses();
    if (!passes)
        return ReportFramesFailure(1, std::string("this processor cannot run the ") + PassLevelName(options.passes) +
                                          " passes");
    std::unique_ptr<SharedEngineState> shared(new (std::nothrow) SharedEngineState(
        options.hasSeed ? options.seed : static_cast<std::uint32_t>(std::time(nullptr))));
    if (!shared) return ReportFramesFailure(1, "out of memory");
    shared->passes = passes;

    CFireEngine engine(*shared);
    ProgressBar progress;
    engine.SetDesktopSource(desktop.get());
    engine.SetCacheDirectory(WithSeparator(options.cacheDir));
    engine.SetTurbulenceProgress(&progress);
    if (!engine.Create(options.settings))
        return ReportFramesFailure(1, "the fire engine could not be created at this size with these settings");
    if (engine.PaletteFellBack()) {
        std::string path;
        options.settings.GetString(SettingId::Palette, path);
        std::fprintf(stderr, "emberlux-frames: warning: cannot read palette %s; using the built-in palette\n",
                     path.c_str());
    }
    std::unique_ptr<AnimatedGif> gif;
    if (!options.gifPath.empty()) {
        gif = OpenAnimatedGif(options.gifPath, options.width, options.height);
        if (!gif) return ReportFramesFailure(1, "cannot create " + options.gifPath);
    }
    const std::size_t frameSize = static_cast<std::size_t>(options.width) * options.height;
    std::vector<std::uint8_t> frame(frameSize);
    FirePalette palette{};
    engine.CopyPalette(palette);
    for (long long k = 1; k <= options.frames; ++k) {
        if (!engine.Step()) return ReportFramesFailure(1, "an effect failed in frame " + std::to_string(k));
        engine.RenderTo(frame.data());
        if (engine.TakePaletteChanged()) engine.CopyPalette(palette);
        if (options.hash)
            std::fprintf(out, "frame %lld %016" PRIx64 " %016" PRIx64 "\n", k, Fnv1a64(frame.data(), frameSize),
                         PaletteHash(palette));
        if (raw && std::fwrite(frame.data(), 1, frameSize, raw.get()) != frameSize)
            return ReportFramesFailure(1, "cannot write " + options.rawPath);
        if (gif && !gif->AddFrame(frame.data(), palette)) return ReportFramesFailure(1, "cannot write " + options.gifPath);
    }
    if (raw && std::fclose(raw.release()) != 0) return ReportFramesFailure(1, "cannot write " + options.rawPath);
    if (gif && !gif->Close()) return ReportFramesFailure(1, "cannot write " + options.gifPath);
    if (!options.pngPath.empty() && !WritePng(options.pngPath, frame.data(), options.width, options.height, palette))
        return ReportFramesFailure(1, "cannot write " + options.pngPath);
    return std::fflush(out) == 0 ? 0 : 1;
}
