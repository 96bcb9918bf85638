// SPDX-License-Identifier: GPL-2.0-or-later
// What the page's script calls: the page's one run, its record, presets,
// palettes and picture. Strings come back as JSON or text valid until the
// next call; frames and palettes as addresses in the module's memory.
#include "config/PageRules.h"
#include "settings/RegistryStore.h"
#include "settings/SettingsTable.h"
#include "tools/settings/SettingsDescriptions.h"
#include "web/src/AddressSettings.h"
#include "web/src/Json.h"
#include "web/src/PagePalettes.h"
#include "web/src/PagePresets.h"
#include "web/src/PageRun.h"
#include "web/src/PresetFile.h"
#include "web/src/RecordJson.h"
#include "web/src/StoredHiveRegistry.h"

#include <emscripten.h>

#include <memory>
#include <string>
#include <vector>

namespace {
// The page's storage, through the script, which knows whether it is full or
// blocked. A stored text is read in two steps: its length, then its bytes.
EM_JS(int, StoredHiveLength, (), {
    Module.storedHive = Module.readHive() || "";
    return lengthBytesUTF8(Module.storedHive);
});
EM_JS(void, CopyStoredHive, (char* out, int size), { stringToUTF8(Module.storedHive, out, size + 1); });
EM_JS(int, KeepHiveInPage, (const char* text), { return Module.keepHive(UTF8ToString(text)) ? 1 : 0; });

class PageHiveStore : public HiveStore {
public:
    std::string Read() override {
        const int size = StoredHiveLength();
        std::string text(static_cast<std::size_t>(size) + 1, '\0');
        CopyStoredHive(&text[0], size);
        text.resize(static_cast<std::size_t>(size));
        return text;
    }
    bool Keep(const std::string& text) override { return KeepHiveInPage(text.c_str()) != 0; }
};

struct Page {
    PageRun run;
    PageHiveStore store;
    std::string reply;
    std::vector<std::uint8_t> buffer;  // bytes the script hands over: a palette file, a picture
};

Page& ThePage() {
    static Page page;
    return page;
}

const char* Reply(std::string text) {
    ThePage().reply = std::move(text);
    return ThePage().reply.c_str();
}

Settings& Record() { return ThePage().run.Record(); }

const SettingDef* Def(const char* name, SettingType type) {
    const SettingDef* def = FindSettingDefByName(name);
    return def && def->type == type ? def : nullptr;
}
}  // namespace

extern "C" {
// Opens the store in the browser's storage and starts the run; returns
// {"notices": [...], "storeRefused": why the stored text was no hive, or ""}.
EMSCRIPTEN_KEEPALIVE const char* ember_start(const char* address) {
    RegistryStore::SetBackendFactory([] {
        return std::make_unique<StoredHiveRegistry>(std::string("HKEY_CURRENT_USER\\") + kApplicationKeyPath,
                                                    ThePage().store);
    });
    // The factory makes the page's registry only.
    RegistryStore* store = RegistryStore::Instance();
    const std::string refusal = store ? static_cast<StoredHiveRegistry&>(store->Backend()).Refusal()
                                      : "the browser's storage cannot be opened";
    const std::vector<std::string> notices = ThePage().run.Start(address);
    return Reply("{\"notices\":" + JsonStringList(notices) + ",\"storeRefused\":" + JsonString(refusal) + "}");
}

// {"notices": [...]} of the new address, applied to the current preset.
EMSCRIPTEN_KEEPALIVE const char* ember_follow_address(const char* address) {
    return Reply("{\"notices\":" + JsonStringList(ThePage().run.FollowAddress(address)) + "}");
}

EMSCRIPTEN_KEEPALIVE const char* ember_settings_table() { return Reply(SettingsTableJson()); }
EMSCRIPTEN_KEEPALIVE const char* ember_record() { return Reply(RecordJson(Record())); }
EMSCRIPTEN_KEEPALIVE const char* ember_address() { return Reply(AddressOfSettings(Record())); }
EMSCRIPTEN_KEEPALIVE const char* ember_preset_name() {
    std::string name;
    Record().GetPresetName(name);
    return Reply(name);
}

// The firework size's Min and Max follow each other as on the sheet.
EMSCRIPTEN_KEEPALIVE int ember_set_int(const char* name, int value) {
    const SettingDef* def = Def(name, SettingType::Int);
    if (!def || !IsAddressSetting(def->id)) return 0;
    Record().SetInt(def->id, value);
    int minimum = IntOf(Record(), SettingId::FireBallInFireWorkMin);
    int maximum = IntOf(Record(), SettingId::FireBallInFireWorkMax);
    ApplyMinMaxRule(def->id == SettingId::FireBallInFireWorkMin, minimum, maximum);
    Record().SetInt(SettingId::FireBallInFireWorkMin, minimum);
    return Record().SetInt(SettingId::FireBallInFireWorkMax, maximum);
}

// A palette by its file name in the palette folder; the flaming text as its
// lines, each ended by a line feed, refused beyond what the record keeps.
EMSCRIPTEN_KEEPALIVE int ember_set_string(const char* name, const char* text) {
    const SettingDef* def = Def(name, SettingType::String);
    if (!def || !IsAddressSetting(def->id)) return 0;
    std::string value = text;
    if (def->id == SettingId::Palette && !value.empty()) value = PageRun::PaletteFolder() + value;
    if (def->id == SettingId::FireText) value = LinesToFireText(FireTextToLines(value));
    if (value.size() > kMaxFireTextLength && def->id == SettingId::FireText) return 0;
    return Record().SetString(def->id, value);
}

EMSCRIPTEN_KEEPALIVE int ember_resize(int outputWidth, int outputHeight) {
    return ThePage().run.Resize(outputWidth, outputHeight);
}
EMSCRIPTEN_KEEPALIVE int ember_rebuild() { return ThePage().run.Rebuild(); }
EMSCRIPTEN_KEEPALIVE int ember_step() { return ThePage().run.Step(); }
EMSCRIPTEN_KEEPALIVE int ember_field_width() { return ThePage().run.FieldWidth(); }
EMSCRIPTEN_KEEPALIVE int ember_field_height() { return ThePage().run.FieldHeight(); }
EMSCRIPTEN_KEEPALIVE const std::uint8_t* ember_frame() { return ThePage().run.Frame(); }
EMSCRIPTEN_KEEPALIVE const std::uint8_t* ember_frame_rgba() { return ThePage().run.FrameRgba(); }
EMSCRIPTEN_KEEPALIVE int ember_palette_changed() { return ThePage().run.TakePaletteChanged(); }
EMSCRIPTEN_KEEPALIVE const std::uint8_t* ember_palette() { return ThePage().run.PaletteRgba(); }
EMSCRIPTEN_KEEPALIVE int ember_palette_fell_back() { return ThePage().run.PaletteFellBack(); }

EMSCRIPTEN_KEEPALIVE const char* ember_presets() { return Reply(JsonStringList(StoredPresetNames())); }
EMSCRIPTEN_KEEPALIVE int ember_select_preset(const char* name) { return Record().SelectPreset(name); }
EMSCRIPTEN_KEEPALIVE int ember_save_preset() { return SavePreset(Record()); }
// "" when saved, else why not.
EMSCRIPTEN_KEEPALIVE const char* ember_save_preset_as(const char* name) {
    std::string why;
    SavePresetAs(Record(), name, why);
    return Reply(why);
}
EMSCRIPTEN_KEEPALIVE int ember_delete_preset() { return DeleteCurrentPreset(Record()); }
EMSCRIPTEN_KEEPALIVE int ember_set_random(int on) { return SetPresetCycling(Record(), on); }

EMSCRIPTEN_KEEPALIVE const char* ember_export_preset() { return Reply(ExportPresetFile(Record())); }
// Imports the presets of a file and chooses the first; "" when done, else why not.
EMSCRIPTEN_KEEPALIVE const char* ember_import_preset(const char* text) {
    std::string error;
    const std::vector<std::string> names = ImportPresetFile(text, error);
    if (!names.empty() && !Record().SelectPreset(names.front())) error = "the imported preset could not be loaded";
    return Reply(error);
}

// Room for `size` bytes the script writes before the call that takes them.
EMSCRIPTEN_KEEPALIVE std::uint8_t* ember_buffer(int size) {
    try {
        ThePage().buffer.assign(static_cast<std::size_t>(size), 0);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
    return ThePage().buffer.data();
}

EMSCRIPTEN_KEEPALIVE const char* ember_palettes() { return Reply(JsonStringList(PaletteFileNames(PageRun::PaletteFolder()))); }
// The palette file in the buffer, named `fileName`; its file name when kept,
// else "!" and why not.
EMSCRIPTEN_KEEPALIVE const char* ember_add_palette(const char* fileName) {
    const std::vector<std::uint8_t>& bytes = ThePage().buffer;
    std::string path, why;
    if (!AddPaletteFile(PageRun::PaletteFolder(), fileName, std::string(bytes.begin(), bytes.end()), path, why))
        return Reply("!" + why);
    return Reply(path.substr(PageRun::PaletteFolder().size()));
}

// The picture in the buffer (width x height red, green, blue, alpha pixels),
// or none when width is 0; rebuilds the fire in front of it.
EMSCRIPTEN_KEEPALIVE int ember_set_desktop(int width, int height) {
    if (width <= 0 || height <= 0) return ThePage().run.SetDesktop(DesktopImage());
    if (ThePage().buffer.size() != static_cast<std::size_t>(width) * height * 4) return 0;
    DesktopImage image = DesktopFromRgba(ThePage().buffer.data(), width, height);
    ThePage().buffer.clear();
    return !image.bgr.empty() && ThePage().run.SetDesktop(std::move(image));
}
}
