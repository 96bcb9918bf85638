// SPDX-License-Identifier: GPL-2.0-or-later
#include "TestSupport.h"
#include "run/RunSettings.h"
#include "settings/MemoryRegistry.h"
#include "settings/Presets.h"
#include "settings/RegistryStore.h"

namespace {
std::string PresetOf(const Settings& settings) {
    std::string name;
    settings.GetString(SettingId::CurrentPreset, name);
    return name;
}

// A store that cannot be opened, as when the settings folder is unreadable.
class UnopenableRegistry : public MemoryRegistry {
public:
    bool OpenApplicationKey() override { return false; }
};

class RunSettingsTest : public testing::Test {
protected:
    void SetUp() override {
        RegistryStore::SetBackendFactory([] { return std::make_unique<MemoryRegistry>(); });
        Settings party = DefaultSettings(0, 0);
        party.SetInt(SettingId::FireWorkCount, 17);
        ASSERT_EQ(party.SaveAs("Party"), 1);
        Settings quiet = DefaultSettings(0, 0);
        quiet.SetInt(SettingId::FireWorkCount, 0);
        ASSERT_EQ(quiet.SaveAs("Quiet"), 1);
    }
    void TearDown() override { RegistryStore::SetBackendFactory(nullptr); }
};
}  // namespace

TEST_F(RunSettingsTest, AFullScreenRunMovesThePresetsOnAndOthersDoNot) {
    Settings first, second, watching;
    EXPECT_EQ(PrepareRunSettings(SettingOptions{}, true, first), RunRecord::Ready);
    EXPECT_EQ(PrepareRunSettings(SettingOptions{}, true, second), RunRecord::Ready);
    EXPECT_NE(PresetOf(first), PresetOf(second)) << "each run shows the next preset";
    PrepareRunSettings(SettingOptions{}, false, watching);
    EXPECT_EQ(PresetOf(watching), PresetOf(second)) << "a run that does not cycle shows the current one";
}

TEST_F(RunSettingsTest, LoadChoosesThePresetAndSetsApplyWithoutBeingSaved) {
    SettingOptions options;
    options.load = options.namedPreset = true;
    options.presetName = "Party";
    options.assignments = {"SparklesCount=7", "FireBallInFireWorkMax=1", "FireBallInFireWorkMin=50"};
    Settings run;
    PrepareRunSettings(options, true, run);
    EXPECT_EQ(PresetOf(run), "Party");
    EXPECT_EQ(IntOf(run, SettingId::FireWorkCount), 17);
    EXPECT_EQ(IntOf(run, SettingId::SparklesCount), 7);
    EXPECT_EQ(IntOf(run, SettingId::FireBallInFireWorkMax), 50) << "the burst bounds are put in order";

    Settings stored;
    ASSERT_EQ(stored.Load("Party"), 1);
    EXPECT_EQ(IntOf(stored, SettingId::SparklesCount), 500);
    Settings current;
    ASSERT_EQ(current.Load(), 1);
    EXPECT_EQ(IntOf(current, SettingId::PrevRunPreset), 0) << "--load does not move the cycling on";
}

TEST_F(RunSettingsTest, AStoreThatCannotBeOpenedLeavesTheDefaults) {
    RegistryStore::SetBackendFactory([] { return std::make_unique<UnopenableRegistry>(); });
    SettingOptions options;
    options.assignments = {"CycleColors=1"};
    Settings run;
    EXPECT_EQ(PrepareRunSettings(options, true, run), RunRecord::Unreadable) << "the Windows saver says so and stops";
    EXPECT_EQ(IntOf(run, SettingId::FireWorkCount), 6);
    EXPECT_EQ(IntOf(run, SettingId::CycleColors), 1);
    EXPECT_EQ(PresetOf(run), "");
}
