// SPDX-License-Identifier: GPL-2.0-or-later
// Values written beforehand with the reg tool (scripts/prepare-wine-registry.sh)
// with types and sizes our own code would never write.
#include "settings/Presets.h"
#include "settings/RegistryStore.h"
#include "settings/win32/Win32Registry.h"

#include <gtest/gtest.h>

namespace {
const char* const kPreparedKey = "Software\\EmberluxTests\\Prepared";

class PreparedRegistry : public testing::Test {
protected:
    void SetUp() override {
        HKEY key = nullptr;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, kPreparedKey, 0, KEY_READ, &key) != ERROR_SUCCESS)
            GTEST_SKIP() << "the values are prepared by scripts/prepare-wine-registry.sh";
        RegCloseKey(key);
        RegistryStore::SetBackendFactory([] { return std::make_unique<Win32Registry>(kPreparedKey); });
        m_pStore = RegistryStore::Instance();
        ASSERT_NE(m_pStore, nullptr);
    }
    void TearDown() override { RegistryStore::SetBackendFactory(nullptr); }
    RegistryStore* m_pStore = nullptr;
};
}  // namespace

TEST_F(PreparedRegistry, ValuesOfTheWrongTypeOrSizeReadAsWhatFits) {
    EXPECT_EQ(m_pStore->ReadInt("Presets", "XRes", 1234), 1234) << "a string of six bytes is no integer";
    EXPECT_EQ(m_pStore->ReadInt("Presets", "SparklesCount", 500), 0x0201) << "two bytes fill the low bytes";
    EXPECT_EQ(m_pStore->ReadInt("Presets", "FireWorkCount", 6), 6) << "eight bytes do not fit";
    EXPECT_EQ(m_pStore->ReadString("Presets", "FireText", "x"), "*") << "a number read as text";
    EXPECT_EQ(m_pStore->ReadString("Presets", "Palette", "x").size(), 400u) << "long strings come back whole";
}

TEST_F(PreparedRegistry, LoadTakesWhatItCanAndDefaultsTheRest) {
    Settings settings;
    ASSERT_EQ(settings.Load(), 1);
    int value = 0;
    settings.GetInt(SettingId::SparklesCount, value);
    EXPECT_EQ(value, 0x0201);
    settings.GetInt(SettingId::FireWorkCount, value);
    EXPECT_EQ(value, 6);
    std::string text;
    settings.GetString(SettingId::FireText, text);
    EXPECT_EQ(text, "*");
}
