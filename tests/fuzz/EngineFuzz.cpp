// SPDX-License-Identifier: GPL-2.0-or-later
// The fire engine on any settings record: every setting from the fuzzer
// (extreme and negative values, long strings, any palette file), any random
// table cursor and any desktop photograph, at a size from 1 x 2 to 64 x 48:
// Create and 20 frames.
#include "engine/FireEngine.h"
#include "palette/FirePalette.h"
#include "settings/SettingIds.h"
#include "settings/Settings.h"
#include "settings/SettingsTable.h"
#include "sound/SoundPlayer.h"
#include "tests/fuzz/FuzzInput.h"

#include <cstdlib>
#include <memory>
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
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    g_bMute = 1;
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

    CFireEngine engine(*run);
    engine.SetCacheDirectory(FuzzFolder());
    if (input.Byte() & 1) engine.SetDesktopSource(&desktop);
    if (!engine.Create(settings)) return 0;
    std::vector<std::uint8_t> frame(std::size_t(width) * height);  // exactly the frame: any overrun is reported
    FirePalette colours;
    for (int n = 0; n < 20; ++n) {
        if (!engine.Step()) break;
        engine.RenderTo(frame.data());
        if (engine.TakePaletteChanged()) engine.CopyPalette(colours);
    }
    return 0;
}
