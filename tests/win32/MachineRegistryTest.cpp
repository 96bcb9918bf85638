// SPDX-License-Identifier: GPL-2.0-or-later
#include "settings/InstallDirectory.h"
#include "settings/MemoryRegistry.h"
#include "settings/RegistryStore.h"
#include "settings/win32/Win32Registry.h"

#include <gtest/gtest.h>

namespace {
const char* const kScratchKey = "Software\\EmberluxTests\\Machine";

void RemoveScratchKey() { RegDeleteKeyExA(HKEY_LOCAL_MACHINE, kScratchKey, KEY_WOW64_64KEY, 0); }
}  // namespace

// The machine-wide key as an installer leaves it: its 64-bit view, read by
// either build, and never created by reading.
TEST(MachineRegistry, GivesTheInstallerValueToUsersWithoutOneAndIsNeverCreated) {
    RemoveScratchKey();
    RegistryStore::SetBackendFactory([] { return std::make_unique<MemoryRegistry>(); });
    SetMachineInstallSources(
        {[] { return std::make_unique<Win32Registry>(kScratchKey, Win32Registry::Hive::LocalMachineReadOnly); },
         {}});
    const std::string programFolder = GetInstallDirectory();

    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, kScratchKey, 0, KEY_READ | KEY_WOW64_64KEY, &key), ERROR_FILE_NOT_FOUND)
        << "looking for the machine value created its key";

    ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, kScratchKey, 0, nullptr, 0, KEY_WRITE | KEY_WOW64_64KEY, nullptr,
                              &key, nullptr),
              ERROR_SUCCESS);
    const char path[] = "C:\\Program Files\\Emberlux\\";
    EXPECT_EQ(RegSetValueExA(key, "InstallPath", 0, REG_SZ, reinterpret_cast<const BYTE*>(path), sizeof path),
              ERROR_SUCCESS);
    RegCloseKey(key);
    EXPECT_EQ(GetInstallDirectory(), path);
    ASSERT_EQ(RegistryStore::Instance()->WriteString("", "InstallPath", "D:\\Mine\\"), 1);
    EXPECT_EQ(GetInstallDirectory(), "D:\\Mine\\");

    RemoveScratchKey();
    EXPECT_EQ(GetInstallDirectory(), "D:\\Mine\\");
    ASSERT_EQ(RegistryStore::Instance()->WriteString("", "InstallPath", ""), 1);
    EXPECT_EQ(GetInstallDirectory(), programFolder);
    RegistryStore::SetBackendFactory(nullptr);
    SetMachineInstallSources({});
}
