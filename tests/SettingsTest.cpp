// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/Paths.h"
#include "settings/LoadNormalisation.h"
#include "settings/SettingsSnapshot.h"
#include "settings/SettingsTable.h"
#include "tests/TestSupport.h"

#include <gtest/gtest.h>

namespace {
int CheckedInt(const SettingsReader& settings, int id) {
    int value = -12345;
    EXPECT_EQ(settings.GetInt(id, value), 1) << "id " << id;
    return value;
}

std::string CheckedString(const SettingsReader& settings, int id) {
    std::string value;
    EXPECT_EQ(settings.GetString(id, value), 1) << "id " << id;
    return value;
}

class FixedEnvironment : public LoadEnvironment {
public:
    DisplaySize GetDisplaySize() const override { return {1366, 768}; }
    std::string GetInstallDirectory() const override { return "/opt/emberlux/"; }
};

// A reader that refuses one id, to see where copying stops.
class RefusingReader : public SettingsReader {
public:
    explicit RefusingReader(int refused) : m_refused(refused) {}
    int GetInt(int id, int& out) const override { return id == m_refused ? 0 : m_source.GetInt(id, out); }
    int GetString(int id, std::string& out) const override {
        return id == m_refused ? 0 : m_source.GetString(id, out);
    }
    Settings m_source = DefaultSettings(777, 555);

private:
    int m_refused;
};
}  // namespace

TEST(SettingsRecord, TypesAreEnforcedAndUnassignedIdsRefused) {
    Settings settings;
    int out = 99;
    std::string text = "keep";
    EXPECT_EQ(settings.GetInt(SettingId::Password, out), 0);
    EXPECT_EQ(out, 99);
    EXPECT_EQ(settings.GetString(SettingId::SparklesCount, text), 0);
    EXPECT_EQ(text, "keep");
    EXPECT_EQ(settings.SetInt(12, 5), 0);
    EXPECT_EQ(settings.GetInt(12, out), 0);
    EXPECT_EQ(settings.SetInt(SettingId::Count, 5), 0);
    EXPECT_EQ(settings.SetInt(-1, 5), 0);
    EXPECT_EQ(settings.SetString(SettingId::FireText, "a\nb\n"), 1);
    EXPECT_EQ(CheckedString(settings, SettingId::FireText), "a\nb\n");
    EXPECT_EQ(settings.SetInt(SettingId::WaveSpeed, -50), 1);
    EXPECT_EQ(CheckedInt(settings, SettingId::WaveSpeed), -50);
}

TEST(SettingsRecord, ConstructionHoldsInitialColumnAndLoadDefaultsDiffer) {
    Settings fresh;
    EXPECT_EQ(CheckedString(fresh, SettingId::CurrentPreset), "Default preset");
    EXPECT_EQ(CheckedInt(fresh, SettingId::FireBallCount), 0);
    EXPECT_EQ(CheckedInt(fresh, SettingId::SparklesCount), 500);
    EXPECT_EQ(CheckedInt(fresh, SettingId::UseDirectX), 1);
    Settings loaded;
    loaded.ResetToLoadDefaults();
    EXPECT_EQ(CheckedString(loaded, SettingId::CurrentPreset), "");
    EXPECT_EQ(CheckedInt(loaded, SettingId::FireBallCount), 6);
    EXPECT_EQ(CheckedInt(loaded, SettingId::FireWorkCount), 6);
    EXPECT_EQ(CheckedInt(loaded, SettingId::FireBallInFireWorkMax), 80);
    EXPECT_EQ(CheckedInt(loaded, SettingId::FireBallInFireWorkMin), 10);
    EXPECT_EQ(CheckedInt(loaded, SettingId::FadeScreen), 2);
    EXPECT_EQ(CheckedInt(loaded, SettingId::FireTextEnable), 1);
}

TEST(SettingsTable, EveryIdButTwelveIsDefinedOnceWithAUniqueName) {
    int intCount = 0, stringCount = 0;
    for (int id = 0; id < SettingId::Count; ++id) {
        const SettingDef* def = FindSettingDef(id);
        if (id == 12) {
            EXPECT_EQ(def, nullptr);
            continue;
        }
        ASSERT_NE(def, nullptr) << id;
        (def->type == SettingType::Int ? intCount : stringCount)++;
        if (def->valueName) {
            EXPECT_EQ(FindSettingDefByName(def->valueName), def);
        }
    }
    EXPECT_EQ(intCount, 29);
    EXPECT_EQ(stringCount, 4);
    EXPECT_EQ(FindSettingDefByName("NoSuchValue"), nullptr);
}

TEST(SettingsTable, CopyFromTakesTheIdsInItsFixedOrder) {
    const std::vector<int> expected{0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  11, 29, 30, 13, 16, 17, 18,
                                    19, 20, 21, 24, 26, 27, 28, 31, 32, 22, 23, 33, 14, 10, 15, 25};
    std::vector<int> copied;
    for (int rank = 1; const SettingDef* def = SettingCopiedAt(rank); ++rank) copied.push_back(def->id);
    EXPECT_EQ(copied, expected);
}

TEST(SettingsTable, EveryControlHasTheRangeItNeedsAndEveryChoiceNamesEachValue) {
    for (const SettingDef& def : kSettingDefs) {
        const SettingControlKind kind = def.control.kind;
        const bool ranged = kind == SettingControlKind::Slider || kind == SettingControlKind::Check ||
                            kind == SettingControlKind::ClearedCheck || kind == SettingControlKind::Choice;
        EXPECT_EQ(ranged, def.HasBounds() && kind != SettingControlKind::None) << def.id;
        EXPECT_TRUE(def.control.page == SettingPage::None || def.control.box) << def.id;
        EXPECT_TRUE(kind == SettingControlKind::None || !SettingLabel(def).empty()) << def.id;
        if (kind == SettingControlKind::Check || kind == SettingControlKind::ClearedCheck) {
            EXPECT_TRUE(def.control.label) << def.valueName;
        }
        const std::size_t choices = kind == SettingControlKind::Choice ? def.maxValue - def.minValue + 1 : 0;
        EXPECT_EQ(SettingChoices(def).size(), choices) << def.id;
    }
}

TEST(SettingsCopy, CopiesEveryIdAndStopsAtTheFirstRefusal) {
    RefusingReader source(-1);
    source.m_source.SetString(SettingId::FireText, "Hello\n");
    source.m_source.SetInt(SettingId::ResolutionIsCurrent, 1);
    Settings copy;
    EXPECT_EQ(copy.CopyFrom(source), 1);
    for (int id = 0; id < SettingId::Count; ++id) {
        const SettingDef* def = FindSettingDef(id);
        if (!def) continue;
        if (def->type == SettingType::Int) {
            EXPECT_EQ(CheckedInt(copy, id), CheckedInt(source.m_source, id)) << id;
        } else {
            EXPECT_EQ(CheckedString(copy, id), CheckedString(source.m_source, id)) << id;
        }
    }

    RefusingReader refusesTurbulence(SettingId::TransitionOn);
    refusesTurbulence.m_source.SetInt(SettingId::WaveLength, 3);
    Settings partial;
    EXPECT_EQ(partial.CopyFrom(refusesTurbulence), 0);
    EXPECT_EQ(CheckedInt(partial, SettingId::XRes), 777);
    EXPECT_EQ(CheckedInt(partial, SettingId::UseDirectX), 1);
    EXPECT_EQ(CheckedInt(partial, SettingId::PaperBurn), 1);
    EXPECT_EQ(CheckedInt(partial, SettingId::WaveLength), 19) << "ids after the refusal are not copied";
}

TEST(SettingsSnapshot, AnswersItsOwnSizeAndTheSourceOtherwise) {
    Settings source = DefaultSettings(1024, 768);
    source.SetInt(SettingId::ResolutionIsCurrent, 1);
    source.SetString(SettingId::FireText, "Fire\n");
    SettingsSnapshot snapshot;
    ASSERT_EQ(snapshot.Create(source, 320, 240), 1);
    source.SetInt(SettingId::SparklesCount, 1);
    EXPECT_EQ(CheckedInt(snapshot, SettingId::XRes), 320);
    EXPECT_EQ(CheckedInt(snapshot, SettingId::YRes), 240);
    EXPECT_EQ(CheckedInt(snapshot, SettingId::ResolutionIsCurrent), 0);
    EXPECT_EQ(CheckedInt(snapshot, SettingId::SparklesCount), 500) << "the snapshot is a copy";
    EXPECT_EQ(CheckedString(snapshot, SettingId::FireText), "Fire\n");
    int out = 0;
    EXPECT_EQ(snapshot.GetInt(12, out), 0);
}

TEST(LoadNormalisation, ScreenSizeFollowsTheDisplayWhenEitherSideIsZero) {
    FixedEnvironment environment;
    Settings oneZero = DefaultSettings(1024, 0);
    NormaliseLoadedSettings(oneZero, environment);
    EXPECT_EQ(CheckedInt(oneZero, SettingId::XRes), 1366);
    EXPECT_EQ(CheckedInt(oneZero, SettingId::YRes), 768);
    EXPECT_EQ(CheckedInt(oneZero, SettingId::ResolutionIsCurrent), 1);

    Settings fixed = DefaultSettings(800, 600);
    fixed.SetInt(SettingId::ResolutionIsCurrent, 1);
    NormaliseLoadedSettings(fixed, environment);
    EXPECT_EQ(CheckedInt(fixed, SettingId::XRes), 800);
    EXPECT_EQ(CheckedInt(fixed, SettingId::YRes), 600);
    EXPECT_EQ(CheckedInt(fixed, SettingId::ResolutionIsCurrent), 0);
}

TEST(LoadNormalisation, BurstBoundsTextSwitchAndPalettePath) {
    FixedEnvironment environment;
    Settings settings = DefaultSettings(800, 600);
    settings.SetInt(SettingId::FireBallInFireWorkMax, 5);
    settings.SetInt(SettingId::FireBallInFireWorkMin, 20);
    settings.SetInt(SettingId::FireTextEnable, 1);
    settings.SetString(SettingId::Palette, "Blue Fire.pal");
    NormaliseLoadedSettings(settings, environment);
    EXPECT_EQ(CheckedInt(settings, SettingId::FireBallInFireWorkMax), 20);
    EXPECT_EQ(CheckedInt(settings, SettingId::FireBallInFireWorkMin), 5);
    EXPECT_EQ(CheckedInt(settings, SettingId::FireTextEnable), 0);
    EXPECT_EQ(CheckedString(settings, SettingId::Palette), std::string("/opt/emberlux/") + kPaletteFolderName + "Blue Fire.pal");

    Settings withText = DefaultSettings(800, 600);
    withText.SetInt(SettingId::FireTextEnable, 1);
    withText.SetString(SettingId::FireText, "Hi\n");
    NormaliseLoadedSettings(withText, environment);
    EXPECT_EQ(CheckedInt(withText, SettingId::FireTextEnable), 1);
    EXPECT_EQ(CheckedString(withText, SettingId::Palette), "") << "no palette name means the built-in palette";
}
