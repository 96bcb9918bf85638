// emberlux-frames: runs the fire engine without a window and writes what it
// shows as frame hashes, raw indexed frames, an animated GIF or a PNG.
#include "engine/FireEngine.h"
#include "engine/RandomTable.h"
#include "engine/CrtRandom.h"
#include "settings/SettingIds.h"
#include "sound/SoundPlayer.h"
#include "tools/frames/Fnv1a.h"
#include "tools/frames/FramesOptions.h"
#include "tools/frames/PpmImage.h"
#include "tools/frames/PictureWriters.h"

#include <cinttypes>
#include <cstdio>
#include <ctime>
#include <memory>
#include <vector>

namespace {
const char* const kTool = "emberlux-frames";

class PictureDesktop : public DesktopSource {
public:
    explicit PictureDesktop(DesktopImage image) : m_image(std::move(image)) {}
    int Capture(DesktopImage& image) override {
        image = m_image;
        return 1;
    }

private:
    DesktopImage m_image;
};

int Fail(int code, const std::string& message) {
    std::fprintf(stderr, "%s: %s\n", kTool, message.c_str());
    return code;
}

std::uint64_t PaletteHash(const FirePalette& palette) {
    std::uint8_t rgb[768];
    for (int i = 0; i < 256; ++i) {
        rgb[3 * i] = palette.entries[i].red;
        rgb[3 * i + 1] = palette.entries[i].green;
        rgb[3 * i + 2] = palette.entries[i].blue;
    }
    return Fnv1a64(rgb, sizeof rgb);
}

int Run(const FramesOptions& options) {
    std::unique_ptr<PictureDesktop> desktop;
    if (!options.desktopPath.empty()) {
        DesktopImage image;
        std::string error;
        if (!ReadPpm(options.desktopPath, image, error)) return Fail(2, error);
        desktop.reset(new PictureDesktop(std::move(image)));
    }
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> raw(nullptr, &std::fclose);
    if (!options.rawPath.empty()) {
        raw.reset(std::fopen(options.rawPath.c_str(), "wb"));
        if (!raw) return Fail(1, "cannot create " + options.rawPath);
    }
    CrtSrand(options.hasSeed ? options.seed : static_cast<std::uint32_t>(std::time(nullptr)));
    RandomTable::Fill();
    g_bMute = 1;

    CFireEngine engine;
    engine.SetDesktopSource(desktop.get());
    if (!engine.Create(options.settings))
        return Fail(1, "the fire engine could not be created at this size with these settings");
    std::string palettePath;
    options.settings.GetString(SettingId::Palette, palettePath);
    if (engine.PaletteFellBack())
        std::fprintf(stderr, "%s: warning: cannot read palette %s; using the built-in palette\n", kTool,
                     palettePath.c_str());

    std::unique_ptr<AnimatedGif> gif;
    if (!options.gifPath.empty()) {
        gif = OpenAnimatedGif(options.gifPath, options.width, options.height);
        if (!gif) return Fail(1, "cannot create " + options.gifPath);
    }
    const std::size_t frameSize = static_cast<std::size_t>(options.width) * options.height;
    std::vector<std::uint8_t> frame(frameSize);
    FirePalette palette{};
    engine.CopyPalette(palette);
    for (long long k = 1; k <= options.frames; ++k) {
        if (!engine.Step()) return Fail(1, "an effect failed in frame " + std::to_string(k));
        engine.RenderTo(frame.data());
        if (engine.TakePaletteChanged()) engine.CopyPalette(palette);
        if (options.hash)
            std::printf("frame %lld %016" PRIx64 " %016" PRIx64 "\n", k, Fnv1a64(frame.data(), frameSize),
                        PaletteHash(palette));
        if (raw && std::fwrite(frame.data(), 1, frameSize, raw.get()) != frameSize)
            return Fail(1, "cannot write " + options.rawPath);
        if (gif && !gif->AddFrame(frame.data(), palette)) return Fail(1, "cannot write " + options.gifPath);
    }
    if (raw && std::fclose(raw.release()) != 0) return Fail(1, "cannot write " + options.rawPath);
    if (gif && !gif->Close()) return Fail(1, "cannot write " + options.gifPath);
    if (!options.pngPath.empty() && !WritePng(options.pngPath, frame.data(), options.width, options.height, palette))
        return Fail(1, "cannot write " + options.pngPath);
    return std::fflush(stdout) == 0 ? 0 : 1;
}
}  // namespace

int main(int argc, char** argv) {
    FramesOptions options;
    std::string error;
    if (!ParseFramesArguments(argc, argv, options, error)) return Fail(2, error);
    return Run(options);
}
