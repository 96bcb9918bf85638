// SPDX-License-Identifier: GPL-2.0-or-later
// The fire engine on any settings record: every setting from the fuzzer
// (extreme and negative values, long strings, any palette file), any random
// table cursor and any desktop photograph, at a size from 1 x 2 to 64 x 48:
// Create and 20 frames, twice from the same start, each time with a new
// empty turbulence cache folder. Both runs must give the same frames and
// palettes, and the field's spare row must stay zero throughout.
#include "engine/FireEngine.h"
#include "palette/FirePalette.h"
#include "platform/NonCopyable.h"
#include "settings/SettingIds.h"
#include "settings/Settings.h"
#include "settings/SettingsTable.h"
#include "tests/fuzz/FuzzInput.h"

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <system_error>
#include <vector>

namespace {
DesktopImage Photograph(FuzzInput& input) {
    DesktopImage image;
    image.width = 1 + input.Byte() % 128;
    image.height = 1 + input.Byte() % 128;
    image.bgr.resize(std::size_t(image.width) * image.height * 3);
    for (std::uint8_t& byte : image.bgr) byte = input.Byte();
    return image;
}

// An empty folder of its own for one run's turbulence cache, removed with
// what it holds when the run is over: no run loads a map another one built.
class CacheFolder : private NonCopyable {
public:
    CacheFolder() : m_sPath(FuzzFolder() + "cache-XXXXXX") {
        if (!mkdtemp(&m_sPath[0])) std::abort();
        m_sPath += '/';
    }
    ~CacheFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(m_sPath, ignored);
    }
    const std::string& Path() const { return m_sPath; }

private:
    std::string m_sPath;
};

// What a run shows: whether Create succeeded, then each frame's indexes and
// palette, in order.
std::vector<std::uint8_t> Run(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    std::unique_ptr<SharedEngineState> run(new SharedEngineState(1));
    run->random.SetCursor(input.Word());

    const int width = 1 + input.Byte() % 64, height = 2 + input.Byte() % 47;
    Settings settings;
    for (const SettingDef& def : kSettingDefs) {
        if (def.type == SettingType::Int) settings.SetInt(def.id, input.Setting());
        else settings.SetString(def.id, input.Text(600));
    }
    settings.SetInt(SettingId::XRes, width);
    settings.SetInt(SettingId::YRes, height);
    // A palette file of the fuzzer's bytes, a missing one, or the built-in palette.
    const std::uint8_t palette = input.Byte();
    if (palette % 3 == 0) {
        const std::string bytes = input.Text(800);
        settings.SetString(SettingId::Palette, FuzzFile("engine.pal", reinterpret_cast<const std::uint8_t*>(bytes.data()),
                                                        bytes.size()));
    } else {
        settings.SetString(SettingId::Palette, palette % 3 == 1 ? FuzzFolder() + "missing.pal" : "");
    }
    PictureDesktop desktop(Photograph(input));

    const CacheFolder cache;
    CFireEngine engine(*run);
    engine.SetCacheDirectory(cache.Path());
    if (input.Byte() & 1) engine.SetDesktopSource(&desktop);
    std::vector<std::uint8_t> shown{static_cast<std::uint8_t>(engine.Create(settings))};
    if (!shown[0]) return shown;
    std::vector<std::uint8_t> frame(std::size_t(width) * height);  // exactly the frame: any overrun is reported
    FirePalette colours{};
    for (int n = 0; n < 20; ++n) {
        if (!engine.Step()) break;
        const std::uint8_t* spare = engine.FireFieldData() + std::size_t(width) * height;
        for (int x = 0; x < width; ++x)
            if (spare[x]) std::abort();
        engine.RenderTo(frame.data());
        if (engine.TakePaletteChanged()) engine.CopyPalette(colours);
        shown.insert(shown.end(), frame.begin(), frame.end());
        const auto* palette = reinterpret_cast<const std::uint8_t*>(&colours);
        shown.insert(shown.end(), palette, palette + sizeof colours);
    }
    return shown;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (Run(data, size) != Run(data, size)) std::abort();
    return 0;
}
