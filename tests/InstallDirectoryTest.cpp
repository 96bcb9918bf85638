// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/Paths.h"
#include "platform/ProgramPath.h"
#include "settings/InstallDirectory.h"
#include "settings/MemoryRegistry.h"
#include "settings/RegistryStore.h"
#include "tests/TestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {
struct Unopenable : MemoryRegistry {
    bool OpenApplicationKey() override { return false; }
};

RegistryValue StringValue(const std::string& text) {
    RegistryValue value{RegistryType::String, std::vector<std::uint8_t>(text.begin(), text.end())};
    value.data.push_back(0);
    return value;
}

// The user's store and the machine-wide key in memory, and data folders that
// each test makes for itself.
class InstallDirectoryTest : public testing::Test {
protected:
    void SetUp() override {
        RegistryStore::SetBackendFactory([] { return std::make_unique<MemoryRegistry>(); });
        UseMachineSources({});
    }
    void TearDown() override {
        RegistryStore::SetBackendFactory(nullptr);
        SetMachineInstallSources({});
    }
    // Each open of the machine key sees the test's machine tree as it is then.
    void UseMachineSources(std::vector<std::string> dataFolders) {
        SetMachineInstallSources({[this] {
                                      auto copy = std::make_unique<MemoryRegistry>();
                                      copy->Root() = m_machine.Root().Clone();
                                      return copy;
                                  },
                                  std::move(dataFolders)});
    }
    void SetUserPath(const std::string& path) {
        ASSERT_EQ(RegistryStore::Instance()->WriteString("", "InstallPath", path), 1);
    }
    void SetMachinePath(const std::string& path) {
        ASSERT_TRUE(m_machine.SetValue("", "InstallPath", StringValue(path)));
    }
    MemoryRegistry m_machine;
};
}  // namespace

TEST_F(InstallDirectoryTest, TheUserValueComesFirstThenTheMachineValueThenTheProgramFolder) {
    EXPECT_EQ(GetInstallDirectory(), GetProgramDirectory()) << "neither value";
    SetMachinePath("C:\\Program Files\\Emberlux\\");
    EXPECT_EQ(GetInstallDirectory(), "C:\\Program Files\\Emberlux\\") << "only the machine value";
    SetUserPath("D:\\Mine\\");
    EXPECT_EQ(GetInstallDirectory(), "D:\\Mine\\") << "the user's value wins";
    SetUserPath(std::string(256, 'u'));
    EXPECT_EQ(GetInstallDirectory(), "C:\\Program Files\\Emberlux\\") << "a user value too long to use";
    SetUserPath("");
    EXPECT_EQ(GetInstallDirectory(), "C:\\Program Files\\Emberlux\\") << "an empty user value";
    SetMachinePath(std::string(256, 'm'));
    EXPECT_EQ(GetInstallDirectory(), GetProgramDirectory()) << "a machine value too long to use";
}

TEST_F(InstallDirectoryTest, TheMachineValueServesUsersWhoseOwnStoreCannotBeOpened) {
    RegistryStore::SetBackendFactory([] { return std::make_unique<Unopenable>(); });
    SetMachinePath("C:\\Emberlux\\");
    EXPECT_EQ(GetInstallDirectory(), "C:\\Emberlux\\");
    SetMachineInstallSources({[] { return std::make_unique<Unopenable>(); }, {}});
    EXPECT_EQ(GetInstallDirectory(), GetProgramDirectory()) << "no machine key either";
}

TEST_F(InstallDirectoryTest, TheFirstDataFolderWithPalettesComesAfterTheRegistryValues) {
    const std::string bare = FreshTestFolder("bare");
    const std::string packaged = FreshTestFolder("packaged");
    std::filesystem::create_directories(packaged + "Palettes");
    UseMachineSources({bare, packaged});
    EXPECT_EQ(GetInstallDirectory(), packaged) << "a data folder without Palettes is passed over";
    std::filesystem::create_directories(bare + "Palettes");
    EXPECT_EQ(GetInstallDirectory(), bare) << "the first data folder with Palettes";
    SetMachinePath("C:\\Emberlux\\");
    EXPECT_EQ(GetInstallDirectory(), "C:\\Emberlux\\") << "the machine value comes before data folders";
    SetUserPath("D:\\Mine\\");
    EXPECT_EQ(GetInstallDirectory(), "D:\\Mine\\");
}
