// SPDX-License-Identifier: GPL-2.0-or-later
#include "palette/PaletteFolder.h"
#include "platform/Paths.h"
#include "platform/ProgramPath.h"
#include "settings/InstallDirectory.h"
#include "settings/MemoryRegistry.h"
#include "settings/Presets.h"
#include "settings/RegistryStore.h"
#include "settings/StoreFormat.h"
#include "settings/SettingsTable.h"
#include "tests/ScratchRegistry.h"
#include "tests/TestSupport.h"

#include <gtest/gtest.h>

namespace {
enum class Backend { Memory, Platform };

std::string ScratchName() {
    const testing::TestInfo* info = testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string(info->test_suite_name()) + "-" + info->name();
    for (char& c : name)
        if (c == '/') c = '-';
    return name;
}

// Every test runs against the in-memory backend and against this platform's
// own registry (a scratch hive file, or a scratch key of the Windows registry).
class StoreTest : public testing::TestWithParam<Backend> {
protected:
    void SetUp() override {
        SetMachineInstallSources({[] { return std::unique_ptr<RegistryBackend>(); }, {}});
        if (GetParam() == Backend::Memory)
            RegistryStore::SetBackendFactory([] { return std::make_unique<MemoryRegistry>(); });
        else
            RegistryStore::SetBackendFactory(ScratchPlatformRegistry(ScratchName()));
        m_pStore = RegistryStore::Instance();
        ASSERT_NE(m_pStore, nullptr);
    }
    void TearDown() override {
        RegistryStore::SetBackendFactory(nullptr);
        SetMachineInstallSources({});
        if (GetParam() == Backend::Platform) RemoveScratchPlatformRegistry(ScratchName());
    }
    void MakePreset(const std::string& name, int sparkles) {
        Settings settings = DefaultSettings(800, 600);
        settings.SetInt(SettingId::SparklesCount, sparkles);
        ASSERT_EQ(settings.SaveAs(name), 1);
    }
    std::vector<std::string> PresetNames() {
        std::vector<std::string> names;
        std::string name;
        for (int cursor = 0; EnumPresets(cursor, name);) names.push_back(name);
        return names;
    }
    RegistryStore* m_pStore = nullptr;
};
}  // namespace

TEST(SettingsStore, SaveWritesTheValuesInTheTablesSaveOrder) {
    RegistryStore::SetBackendFactory([] { return std::make_unique<MemoryRegistry>(); });
    Settings settings = DefaultSettings(800, 600);
    ASSERT_EQ(settings.Save(), 1);
    auto& registry = static_cast<MemoryRegistry&>(RegistryStore::Instance()->Backend());
    std::vector<std::string> written;
    for (const auto& value : registry.Root().Find(kPresetsKey)->values) written.push_back(value.first);
    RegistryStore::SetBackendFactory(nullptr);
    const std::vector<std::string> expected{
        "XRes", "YRes", "SparklesCount", "FireBallCount", "FireWorkCount", "FadeScreen", "FireBallInFireWorkMax",
        "FireBallInFireWorkMin", "BackgroundSoundEnable", "UseDirectX", "RenderScale", "TransitionOn",
        "ExplosionSoundEnable", "WaveLength", "WaveSpeed", "WaveEnable", "SoundVolume", "OlympicRings",
        "FireTextEnable", "FireTextBurnType", "FireTextOrbit", "FireTextSpeed", "PaperBurn", "FireText",
        "PrevRunPreset", "RunPresetCycle", "CycleColors", "FadeBottom", "TextSequence", "Palette", "CurrentPreset",
        "Password"};
    EXPECT_EQ(written, expected);
}

TEST_P(StoreTest, AnEmptyStoreLoadsTheLoadDefaultsAndTheFirstSaveWritesEverything) {
    Settings settings;
    ASSERT_EQ(settings.Load(), 1);
    EXPECT_EQ(StringOf(settings, SettingId::CurrentPreset), "");
    EXPECT_EQ(IntOf(settings, SettingId::FireBallCount, -1), 6);
    EXPECT_EQ(IntOf(settings, SettingId::ResolutionIsCurrent, -1), 1);
    ASSERT_EQ(settings.Save(), 1);
    for (const SettingDef& def : kSettingDefs)
        if (def.valueName) {
            RegistryValue value;
            EXPECT_TRUE(m_pStore->Backend().QueryValue("Presets", def.valueName, value)) << def.valueName;
        }
    EXPECT_EQ(m_pStore->ReadInt("Presets", "XRes", -1), 0) << "a current resolution is stored as 0";
}

TEST_P(StoreTest, EverySettingRoundTrips) {
    Settings written = DefaultSettings(1024, 768);
    int next = 3;
    for (const SettingDef& def : kSettingDefs) {
        if (def.type == SettingType::Int && def.id != SettingId::ResolutionIsCurrent) written.SetInt(def.id, next++);
    }
    written.SetInt(SettingId::FireBallInFireWorkMax, 90);
    written.SetInt(SettingId::FireBallInFireWorkMin, 20);
    written.SetInt(SettingId::WaveSpeed, -42);
    written.SetString(SettingId::FireText, "Line one\nLine \"two\" \\ back\n");
    written.SetString(SettingId::Password, "secret");
    written.SetString(SettingId::Palette, std::string("/somewhere/else/") + "Blue.pal");
    ASSERT_EQ(written.SaveAs("Round trip"), 1);

    Settings read;
    ASSERT_EQ(read.Load("Round trip"), 1);
    for (const SettingDef& def : kSettingDefs) {
        if (def.type != SettingType::Int || def.id == SettingId::ResolutionIsCurrent) continue;
        EXPECT_EQ(IntOf(read, def.id, -1), IntOf(written, def.id, -1)) << def.valueName;
    }
    EXPECT_EQ(StringOf(read, SettingId::FireText), "Line one\nLine \"two\" \\ back\n");
    EXPECT_EQ(StringOf(read, SettingId::Password), "secret");
    EXPECT_EQ(StringOf(read, SettingId::CurrentPreset), "Round trip");
    EXPECT_EQ(FileNameOf(StringOf(read, SettingId::Palette)), "Blue.pal") << "only the file name is stored";
    EXPECT_EQ(StringOf(read, SettingId::Palette), GetInstallDirectory() + kPaletteFolderName + "Blue.pal");
}

TEST_P(StoreTest, LongTextsSurviveEveryLoadAndSave) {
    std::string text;
    for (int i = 0; text.size() < 3000; ++i) text += "Line number " + std::to_string(i) + " of the fire\n";
    Settings settings = DefaultSettings(800, 600);
    settings.SetString(SettingId::FireText, text);
    ASSERT_EQ(settings.Save(), 1);
    for (int run = 0; run < 3; ++run) {
        Settings again;
        ASSERT_EQ(again.Load(), 1);
        EXPECT_EQ(StringOf(again, SettingId::FireText), text);
        ASSERT_EQ(again.Save(), 1);
    }
    EXPECT_EQ(m_pStore->WriteString("Presets", "Huge", std::string(kMaxRegistryValueBytes, 'x')), 0)
        << "a string the store could not read back is refused";
}

TEST_P(StoreTest, PasswordsAreScrambledAndUnstorableOnesRefused) {
    Settings settings = DefaultSettings(800, 600);
    settings.SetString(SettingId::Password, "Fire!");
    ASSERT_EQ(settings.Save(), 1);
    EXPECT_EQ(m_pStore->ReadString("Presets", "Password", ""), ScramblePassword("Fire!"));
    EXPECT_NE(m_pStore->ReadString("Presets", "Password", ""), "Fire!");

    // 0xA7 is the key's first byte: it would scramble to zero and cut the password.
    Settings locked = DefaultSettings(800, 600);
    locked.SetString(SettingId::Password, std::string("\xA7pw"));
    locked.SetInt(SettingId::SparklesCount, 7);
    EXPECT_EQ(locked.Save(), 0);
    EXPECT_EQ(m_pStore->ReadInt("Presets", "SparklesCount", -1), 500) << "nothing was written";
    Settings back;
    back.Load();
    EXPECT_EQ(StringOf(back, SettingId::Password), "Fire!");
}

TEST_P(StoreTest, AMissingPresetKeyLoadsTheDefaults) {
    ASSERT_EQ(m_pStore->WriteString("Presets", "CurrentPreset", "Gone"), 1);
    Settings settings;
    ASSERT_EQ(settings.Load(), 1);
    EXPECT_EQ(StringOf(settings, SettingId::CurrentPreset), "Gone");
    EXPECT_EQ(IntOf(settings, SettingId::FireWorkCount, -1), 6);
}

TEST_P(StoreTest, SaveAsMakesTheNamedPresetCurrent) {
    MakePreset("Calm", 50);
    EXPECT_EQ(m_pStore->ReadString("Presets", "CurrentPreset", ""), "Calm");
    EXPECT_EQ(m_pStore->ReadInt("Presets\\Calm", "SparklesCount", -1), 50);
    MakePreset("", 70);
    EXPECT_EQ(m_pStore->ReadInt("Presets", "SparklesCount", -1), 70) << "the default preset lives in Presets itself";
    EXPECT_EQ(PresetNames(), std::vector<std::string>{"Calm"});
    Settings settings;
    ASSERT_EQ(settings.SelectPreset("Calm"), 1);
    EXPECT_EQ(IntOf(settings, SettingId::SparklesCount, -1), 50);
}

TEST_P(StoreTest, DeletePresetRemovesEverythingBelowIt) {
    MakePreset("Busy", 900);
    ASSERT_EQ(m_pStore->WriteInt("Presets\\Busy\\Deeper\\Deepest", "X", 1), 1);
    ASSERT_EQ(m_pStore->WriteInt("Presets\\Busy\\Other", "Y", 2), 1);
    EXPECT_EQ(DeletePreset("Busy"), 1);
    EXPECT_TRUE(PresetNames().empty());
    EXPECT_EQ(m_pStore->ReadInt("Presets\\Busy", "SparklesCount", -1), -1);
    EXPECT_EQ(DeletePreset("Busy"), 0) << "a missing preset";
    EXPECT_EQ(DeletePreset(""), 0) << "the default preset is no key of its own";
    EXPECT_NE(m_pStore->ReadInt("Presets", "UseDirectX", -1), -1) << "the root values stay";
}

TEST_P(StoreTest, CyclingShowsThePresetsInTurnAcrossRuns) {
    MakePreset("P1", 1);
    MakePreset("P2", 2);
    MakePreset("P3", 3);
    const std::vector<std::string> order = PresetNames();
    ASSERT_EQ(order.size(), 3u);
    ASSERT_EQ(m_pStore->WriteInt("Presets", "PrevRunPreset", 0), 1);
    const int expectedPosition[] = {3, 1, 2, 3, 3, 1, 2, 3};
    const int expectedCounter[] = {1, 2, 3, 4, 1, 2, 3, 4};
    for (int run = 0; run < 8; ++run) {
        Settings settings;
        ASSERT_EQ(settings.Load(), 1);
        ASSERT_EQ(CyclePreset(settings), 1);
        EXPECT_EQ(StringOf(settings, SettingId::CurrentPreset), order[expectedPosition[run] - 1]) << "run " << run;
        EXPECT_EQ(m_pStore->ReadInt("Presets", "PrevRunPreset", -1), expectedCounter[run]) << "run " << run;
        EXPECT_EQ(m_pStore->ReadString("Presets", "CurrentPreset", ""), order[expectedPosition[run] - 1]);
    }
}

TEST_P(StoreTest, CyclingWithoutPresetsOrSwitchedOff) {
    Settings settings;
    settings.Load();
    ASSERT_EQ(CyclePreset(settings), 1);
    EXPECT_EQ(StringOf(settings, SettingId::CurrentPreset), "");
    EXPECT_EQ(m_pStore->ReadInt("Presets", "PrevRunPreset", -1), 1);

    MakePreset("Only", 5);
    ASSERT_EQ(m_pStore->WriteInt("Presets", "RunPresetCycle", 0), 1);
    ASSERT_EQ(m_pStore->WriteInt("Presets", "PrevRunPreset", 7), 1);
    Settings off;
    off.Load();
    ASSERT_EQ(CyclePreset(off), 1);
    EXPECT_EQ(m_pStore->ReadInt("Presets", "PrevRunPreset", -1), 7);
    EXPECT_EQ(StringOf(off, SettingId::CurrentPreset), "Only");
}

TEST_P(StoreTest, ValuesOfTheWrongTypeOrSizeReadAsWhatFits) {
    RegistryBackend& registry = m_pStore->Backend();
    ASSERT_TRUE(registry.SetValue("Presets", "XRes", RegistryValue{RegistryType::String, {'h', 'e', 'l', 'l', 'o', 0}}));
    ASSERT_TRUE(registry.SetValue("Presets", "SparklesCount", RegistryValue{RegistryType::Binary, {0x01, 0x02}}));
    ASSERT_TRUE(registry.SetValue("Presets", "FireText", RegistryValue{RegistryType::Dword, {0x2A, 0, 0, 0}}));
    ASSERT_TRUE(registry.SetValue("Presets", "Palette", RegistryValue{RegistryType::Binary, {'a', 'b'}}));
    ASSERT_TRUE(registry.SetValue("Presets", "YRes", RegistryValue{RegistryType::Dword, {}}));
    EXPECT_EQ(m_pStore->ReadInt("Presets", "XRes", 1234), 1234) << "more than 4 bytes does not fit";
    EXPECT_EQ(m_pStore->ReadInt("Presets", "SparklesCount", 500), 0x0201) << "a short value fills the low bytes";
    EXPECT_EQ(m_pStore->ReadInt("Presets", "YRes", 0x12345678), 0x12345678) << "an empty value fills nothing";
    EXPECT_EQ(m_pStore->ReadString("Presets", "FireText", "x"), "*");
    EXPECT_EQ(m_pStore->ReadString("Presets", "Palette", "x"), "ab") << "a value without its zero byte is ended";
    EXPECT_EQ(m_pStore->ReadInt("Nowhere", "XRes", 77), 77);
    int count = 0;
    EXPECT_FALSE(registry.CountSubkeys("Nowhere", count)) << "reading never creates a key";
}

TEST_P(StoreTest, TheInstallDirectoryComesFromInstallPathWhenSet) {
    EXPECT_EQ(GetInstallDirectory(), GetProgramDirectory());
    ASSERT_EQ(m_pStore->WriteString("", "InstallPath", "C:\\Fire\\"), 1);
    EXPECT_EQ(GetInstallDirectory(), "C:\\Fire\\");
    ASSERT_EQ(m_pStore->WriteString("", "InstallPath", std::string(300, 'x')), 1);
    EXPECT_EQ(GetInstallDirectory(), GetProgramDirectory()) << "longer than 255 characters";
}

INSTANTIATE_TEST_SUITE_P(Backends, StoreTest, testing::Values(Backend::Memory, Backend::Platform),
                         [](const testing::TestParamInfo<Backend>& info) {
                             return info.param == Backend::Memory ? "Memory" : "Platform";
                         });

TEST(NoStore, LoadSaveAndPresetsFailAndTheRecordIsUnchanged) {
    struct Unopenable : MemoryRegistry {
        bool OpenApplicationKey() override { return false; }
    };
    RegistryStore::SetBackendFactory([] { return std::make_unique<Unopenable>(); });
    SetMachineInstallSources({[] { return std::unique_ptr<RegistryBackend>(); }, {}});
    EXPECT_EQ(RegistryStore::Instance(), nullptr);
    Settings settings;
    settings.SetInt(SettingId::SparklesCount, 3);
    std::string name;
    int cursor = 0;
    EXPECT_EQ(DeletePreset("x"), 0);
    EXPECT_EQ(EnumPresets(cursor, name), 0);
    EXPECT_EQ(settings.Load(), 0);
    EXPECT_EQ(settings.Save(), 0);
    EXPECT_EQ(settings.SelectPreset("Any"), 0);
    EXPECT_EQ(IntOf(settings, SettingId::SparklesCount, -1), 3);
    EXPECT_EQ(StringOf(settings, SettingId::CurrentPreset), "Default preset") << "the name was set back";
    EXPECT_EQ(GetInstallDirectory(), GetProgramDirectory());
    RegistryStore::SetBackendFactory(nullptr);
    SetMachineInstallSources({});
}

TEST(ScramblePassword, IsItsOwnInverseAndUsesTheFiveByteKey) {
    EXPECT_EQ(ScramblePassword("\x01\x01\x01\x01\x01\x01"), "\xA6\xE2\x9D\xD4\xB0\xA6");
    EXPECT_EQ(ScramblePassword(ScramblePassword("any password 123")), "any password 123");
    EXPECT_TRUE(IsStorablePassword(""));
    EXPECT_TRUE(IsStorablePassword("plain ascii"));
    EXPECT_FALSE(IsStorablePassword("ab\x9C"));
    EXPECT_FALSE(IsStorablePassword(std::string(kMaxPasswordLength + 1, 'a')));
}
