// SPDX-License-Identifier: GPL-2.0-or-later
#include "settings/MemoryRegistry.h"
#include "settings/RegHiveFormat.h"
#include "settings/RegistryStore.h"
#include "web/src/PagePresets.h"
#include "web/src/PresetFile.h"
#include "web/src/StoredHiveRegistry.h"
#include "tests/web/PageSettingsSupport.h"

#include <gtest/gtest.h>

namespace {
const std::string kRoot = "HKEY_CURRENT_USER\\Software\\Norvane\\Emberlux!";

// The browser's storage in memory: what it keeps, and whether it is full.
class KeptText : public HiveStore {
public:
    std::string Read() override { return kept; }
    bool Keep(const std::string& text) override {
        if (full) return false;
        kept = text;
        return true;
    }
    std::string kept;
    bool full = false;
};

std::unique_ptr<StoredHiveRegistry> PageRegistry(KeptText& storage) {
    auto registry = std::make_unique<StoredHiveRegistry>(kRoot, storage);
    registry->OpenApplicationKey();
    return registry;
}

// The page's store opened on a stored text, as the process's store.
class PageStore : public testing::Test {
protected:
    void Open(const std::string& stored) {
        m_Storage.kept = stored;
        RegistryStore::SetBackendFactory([this] { return std::make_unique<StoredHiveRegistry>(kRoot, m_Storage); });
        ASSERT_NE(RegistryStore::Instance(), nullptr);
    }
    const std::string& Refusal() {
        return static_cast<StoredHiveRegistry&>(RegistryStore::Instance()->Backend()).Refusal();
    }
    void TearDown() override { RegistryStore::SetBackendFactory(nullptr); }

    KeptText m_Storage;
};

// A record with every setting away from a new installation's.
Settings UnusualRecord(const std::string& preset) {
    Settings record = NewInstallationRecord();
    for (const SettingDef& def : kSettingDefs)
        if (def.valueName && def.id != SettingId::CurrentPreset) SetUnusualValue(record, def, "/page/Palettes/");
    record.SetString(SettingId::CurrentPreset, preset);
    return record;
}
}  // namespace

TEST_F(PageStore, EverySettingOfTheTableSurvivesTheBrowsersStorage) {
    Open("");
    Settings record = UnusualRecord("Party");
    record.SetString(SettingId::Palette, "");  // a path: loading puts it into the palette folder
    ASSERT_EQ(record.Save(), 1);
    EXPECT_EQ(m_Storage.kept.rfind("REGEDIT4", 0), 0u) << "the storage holds the savers' hive";

    Open(m_Storage.kept);  // the next visit
    ASSERT_EQ(Refusal(), "");
    Settings loaded;
    ASSERT_EQ(loaded.Load(), 1);
    for (const SettingDef& def : kSettingDefs)
        if (def.valueName) ExpectSameSetting(record, loaded, def);
}

TEST_F(PageStore, AChangeTheStorageRefusesIsNotMadeAndTextThatIsNoHiveStartsEmpty) {
    Open("");
    Settings record = NewInstallationRecord();
    m_Storage.full = true;
    std::string why;
    EXPECT_EQ(SavePresetAs(record, "Party", why), 0);
    EXPECT_TRUE(StoredPresetNames().empty()) << "the tree is put back as it was";

    Open("this is not\na hive");
    EXPECT_NE(Refusal().find("line 1"), std::string::npos) << Refusal();
    EXPECT_TRUE(StoredPresetNames().empty());
}

TEST_F(PageStore, TabsSharingTheStorageLoseNoChangeOfOneAnother) {
    Open("");
    std::unique_ptr<StoredHiveRegistry> other = PageRegistry(m_Storage);  // another tab, open already
    RegistryStore* store = RegistryStore::Instance();
    ASSERT_EQ(store->WriteInt("Presets\\One", "FireWorkCount", 1), 1);
    RegistryValue value{RegistryType::Dword, {2, 0, 0, 0}};
    ASSERT_TRUE(other->SetValue("Presets\\Two", "FireWorkCount", value));
    EXPECT_EQ(store->ReadInt("Presets\\Two", "FireWorkCount", 0), 2) << "a read picks up the other tab's change";
    EXPECT_EQ(StoredPresetNames(), (std::vector<std::string>{"One", "Two"}));
    ASSERT_TRUE(other->QueryValue("Presets\\One", "FireWorkCount", value)) << "the other tab kept this one's";
}

TEST_F(PageStore, PresetsAreSavedChosenAndDeletedAsTheSheetDoes) {
    Open("");
    Settings record = NewInstallationRecord();
    std::string why;
    EXPECT_EQ(SavePresetAs(record, "a\\b", why), 0);
    EXPECT_NE(why.find("backslash"), std::string::npos);
    record.SetInt(SettingId::FireWorkCount, 20);
    ASSERT_EQ(SavePresetAs(record, "Party", why), 1) << why;
    record.SetInt(SettingId::FireWorkCount, 30);
    ASSERT_EQ(SavePreset(record), 1);
    EXPECT_EQ(StoredPresetNames(), std::vector<std::string>{"Party"});

    Settings other;
    ASSERT_EQ(other.SelectPreset("Party"), 1);
    EXPECT_EQ(IntOf(other, SettingId::FireWorkCount), 30);

    ASSERT_EQ(DeleteCurrentPreset(record), 1);
    EXPECT_TRUE(StoredPresetNames().empty());
    std::string current;
    record.GetPresetName(current);
    EXPECT_EQ(current, "");
    EXPECT_EQ(DeleteCurrentPreset(record), 0) << "the default preset stays";
}

TEST_F(PageStore, RandomIsStoredAtOnceWithTheCycleStartedAgain) {
    Open("");
    Settings record = NewInstallationRecord();
    record.SetInt(SettingId::PrevRunPreset, 5);
    ASSERT_TRUE(SetPresetCycling(record, 0));
    Settings loaded;
    ASSERT_EQ(loaded.Load(), 1);
    EXPECT_EQ(IntOf(loaded, SettingId::RunPresetCycle, 1), 0);
    EXPECT_EQ(IntOf(loaded, SettingId::PrevRunPreset, 1), 0);
}

TEST_F(PageStore, AnExportedPresetCarriesEveryPresetSettingAndNothingElse) {
    const Settings record = UnusualRecord("Party");
    const std::string text = ExportPresetFile(record);
    EXPECT_EQ(text.rfind("REGEDIT4\n", 0), 0u) << text;
    EXPECT_NE(text.find("\n[" + kRoot + "\\Presets\\Party]\n\"SparklesCount\"=dword:00000000\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\"Palette\"=\"Molten Gold.pal\"\n"), std::string::npos) << "by its file name";
    EXPECT_EQ(text.find("Password"), std::string::npos);
    EXPECT_EQ(text.find("XRes"), std::string::npos);
    EXPECT_EQ(text.find("RunPresetCycle"), std::string::npos);

    Open("");
    std::string error;
    ASSERT_EQ(ImportPresetFile(text, error), std::vector<std::string>{"Party"}) << error;
    Settings loaded = NewInstallationRecord();
    ASSERT_EQ(loaded.SelectPreset("Party"), 1);
    for (const SettingDef& def : kSettingDefs)
        if (def.scope == SettingScope::Preset && def.id != SettingId::Palette) ExpectSameSetting(record, loaded, def);
    const std::string palette = StringOf(loaded, SettingId::Palette);
    EXPECT_EQ(palette.substr(palette.size() - 15), "Molten Gold.pal") << "by its name, in the palette folder";
}

TEST_F(PageStore, AFileOfTheSaversBringsItsDefaultAndNamedPresets) {
    Open("");
    std::string error;
    const std::string file = "REGEDIT4\n\n[" + kRoot + "\\Presets]\n\"CurrentPreset\"=\"Calm\"\n\"FireWorkCount\"=dword:00000002\n"
                             "\"Password\"=\"x\"\n\n[" + kRoot + "\\Presets\\Calm]\n\"FireBallCount\"=dword:00000003\n";
    EXPECT_EQ(ImportPresetFile(file, error), (std::vector<std::string>{"", "Calm"})) << error;
    RegistryStore* store = RegistryStore::Instance();
    EXPECT_EQ(store->ReadInt("Presets", "FireWorkCount", 0), 2);
    EXPECT_EQ(store->ReadInt("Presets\\Calm", "FireBallCount", 0), 3);
    EXPECT_EQ(store->ReadString("Presets", "Password", ""), "") << "only the settings of a preset come in";
    EXPECT_EQ(store->ReadString("Presets", "CurrentPreset", ""), "");
}

TEST_F(PageStore, AFileThatIsNoHiveOrHoldsNoPresetChangesNothing) {
    Open("");
    std::string error;
    EXPECT_TRUE(ImportPresetFile("PK\x03\x04 a zip", error).empty());
    EXPECT_NE(error.find("not a preset file"), std::string::npos) << error;
    EXPECT_TRUE(ImportPresetFile("REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Other]\n\"A\"=dword:1\n", error).empty());
    EXPECT_NE(error.find("no preset"), std::string::npos) << error;
    EXPECT_TRUE(static_cast<MemoryRegistry&>(RegistryStore::Instance()->Backend()).Root().subkeys.empty());
}
