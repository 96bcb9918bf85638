// SPDX-License-Identifier: GPL-2.0-or-later
#include "web/src/AddressSettings.h"
#include "tests/web/PageSettingsSupport.h"

#include <gtest/gtest.h>

namespace {
const std::string kFolder = "/palettes/";

bool Mentions(const std::vector<std::string>& notices, const std::string& text) {
    for (const std::string& notice : notices)
        if (notice.find(text) != std::string::npos) return true;
    return false;
}
}  // namespace

TEST(PageAddress, ANewInstallationHasNoneAndEachChangedSettingAddsOnePair) {
    EXPECT_EQ(AddressOfSettings(NewInstallationRecord()), "");
    Settings settings = NewInstallationRecord();
    settings.SetInt(SettingId::FireWorkCount, 12);
    settings.SetInt(SettingId::CycleColors, 1);
    settings.SetInt(SettingId::XRes, 800);                 // the store's own values stay out
    settings.SetString(SettingId::Password, "secret");
    settings.SetInt(SettingId::RunPresetCycle, 0);
    EXPECT_EQ(AddressOfSettings(settings), "FireWorkCount=12&CycleColors=1");
}

TEST(PageAddress, EverySettingOfTheFireComesBackThroughTheAddress) {
    int carried = 0;
    for (const SettingDef& def : kSettingDefs) {
        Settings settings = NewInstallationRecord();
        SetUnusualValue(settings, def, kFolder);
        const std::string address = AddressOfSettings(settings);
        if (!IsAddressSetting(def.id)) {
            EXPECT_EQ(address, "") << def.valueName << " is no setting of the fire";
            continue;
        }
        ++carried;
        EXPECT_EQ(address.find('&'), std::string::npos) << address;
        EXPECT_EQ(address.find('\n'), std::string::npos) << address;
        EXPECT_EQ(address.find(' '), std::string::npos) << address;
        Settings back = NewInstallationRecord();
        EXPECT_TRUE(ApplyAddressSettings(address, kFolder, back).empty()) << address;
        for (const SettingDef& other : kSettingDefs) ExpectSameSetting(settings, back, other);
    }
    EXPECT_EQ(carried, 25);  // the 23 settings of a preset, the render scale and the volume
}

TEST(PageAddress, NumbersOutsideTheirRangeAreClampedWithANotice) {
    Settings settings = NewInstallationRecord();
    const std::vector<std::string> notices = ApplyAddressSettings("FireWorkCount=99&WaveSpeed=-51&FadeScreen=100",
                                                                  kFolder, settings);
    EXPECT_EQ(IntOf(settings, SettingId::FireWorkCount), FindSettingDef(SettingId::FireWorkCount)->maxValue);
    EXPECT_EQ(IntOf(settings, SettingId::WaveSpeed), -50);
    EXPECT_EQ(IntOf(settings, SettingId::FadeScreen), 100) << "the top of the range is in it";
    ASSERT_EQ(notices.size(), 2u);
    EXPECT_TRUE(Mentions(notices, "FireWorkCount goes from 0 to 40: 99 became 40"));
    EXPECT_TRUE(Mentions(notices, "WaveSpeed"));
}

TEST(PageAddress, WrongTypesUnknownNamesAndTheStoresOwnValuesAreDropped) {
    Settings settings = NewInstallationRecord();
    const std::vector<std::string> notices = ApplyAddressSettings(
        "FireWorkCount=lots&Password=x&XRes=5&Bogus=1&FireBallCount&=3&&FireBallCount=3&CycleColors=1.5", kFolder,
        settings);
    EXPECT_EQ(IntOf(settings, SettingId::FireWorkCount), 6);
    EXPECT_EQ(IntOf(settings, SettingId::FireBallCount), 3);
    EXPECT_EQ(IntOf(settings, SettingId::CycleColors), 0);
    EXPECT_EQ(IntOf(settings, SettingId::XRes), 0);
    EXPECT_EQ(StringOf(settings, SettingId::Password), "");
    EXPECT_EQ(notices.size(), 7u);
    EXPECT_TRUE(Mentions(notices, "FireWorkCount wants a whole number, not \"lots\""));
    EXPECT_TRUE(Mentions(notices, "\"Password\" is no setting of the fire"));
    EXPECT_TRUE(Mentions(notices, "\"Bogus\""));
}

TEST(PageAddress, TextIsPercentDecodedCutAtTheRecordsLimitAndPalettesStayInTheirFolder) {
    Settings settings = NewInstallationRecord();
    const std::string longText(300, 'x');
    EXPECT_TRUE(ApplyAddressSettings("FireText=Hello%0AWorld%21%zz%4&Palette=..%2F..%2Fetc%2FIce.pal", kFolder, settings)
                    .empty());
    EXPECT_EQ(StringOf(settings, SettingId::FireText), "Hello\nWorld!%zz%4")
        << "a % without two hexadecimal digits stands for itself";
    EXPECT_EQ(StringOf(settings, SettingId::Palette), kFolder + "Ice.pal");
    EXPECT_TRUE(Mentions(ApplyAddressSettings("FireText=" + longText, kFolder, settings), "at most 255 bytes"));
    EXPECT_EQ(StringOf(settings, SettingId::FireText), std::string(255, 'x'));
    EXPECT_TRUE(ApplyAddressSettings("Palette=", kFolder, settings).empty());
    EXPECT_EQ(StringOf(settings, SettingId::Palette), "") << "no name is the built-in palette";
}
