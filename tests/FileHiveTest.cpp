// SPDX-License-Identifier: GPL-2.0-or-later
#include "settings/RegHiveFormat.h"
#include "settings/RegistryStore.h"
#include "settings/posix/FileHiveRegistry.h"
#include "tests/TestSupport.h"

#include <gtest/gtest.h>

#include <csignal>
#include <fstream>
#include <sstream>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
const std::string kRoot = "HKEY_CURRENT_USER\\Software\\Norvane\\Emberlux!";

void WriteFile(const std::string& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

bool Exists(const std::string& path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0;
}

// A store over a hive file, opened as the process's store.
RegistryStore* OpenHive(const std::string& path) {
    RegistryStore::SetBackendFactory([path] { return std::make_unique<FileHiveRegistry>(path, kRoot); });
    return RegistryStore::Instance();
}

class FileHive : public testing::Test {
protected:
    void TearDown() override { RegistryStore::SetBackendFactory(nullptr); }
    std::string m_sFolder = FreshTestFolder("hive");
    std::string m_sPath = m_sFolder + "emberlux/registry.reg";
};
}  // namespace

TEST_F(FileHive, IsWrittenInTheRegistryEditorsFormat) {
    RegistryStore* store = OpenHive(m_sPath);
    ASSERT_NE(store, nullptr);
    EXPECT_FALSE(Exists(m_sPath)) << "nothing is written before the first change";
    ASSERT_EQ(store->WriteInt("Presets", "FireWorkCount", 42), 1);
    ASSERT_EQ(store->WriteString("Presets", "Palette", "C:\\Fire \"hot\".pal"), 1);
    ASSERT_EQ(store->WriteString("Presets\\Calm", "FireText", "one\ntwo\n"), 1);
    const std::string text = ReadWholeFile(m_sPath);
    EXPECT_EQ(text.rfind("REGEDIT4\n", 0), 0u);
    EXPECT_NE(text.find("[HKEY_CURRENT_USER\\Software\\Norvane\\Emberlux!\\Presets]\n"), std::string::npos);
    EXPECT_NE(text.find("\"FireWorkCount\"=dword:0000002a\n"), std::string::npos);
    EXPECT_NE(text.find("\"Palette\"=\"C:\\\\Fire \\\"hot\\\".pal\"\n"), std::string::npos);
    EXPECT_NE(text.find("[HKEY_CURRENT_USER\\Software\\Norvane\\Emberlux!\\Presets\\Calm]\n"), std::string::npos);
    EXPECT_NE(text.find("\"FireText\"=hex(1):6f,6e,65,0a,74,77,6f,0a,00\n"), std::string::npos);

    RegistryStore* again = OpenHive(m_sPath);
    EXPECT_EQ(again->ReadInt("Presets", "FireWorkCount", 0), 42);
    EXPECT_EQ(again->ReadString("Presets", "Palette", ""), "C:\\Fire \"hot\".pal");
    EXPECT_EQ(again->ReadString("PRESETS\\calm", "FIRETEXT", ""), "one\ntwo\n") << "names ignore case";
}

TEST_F(FileHive, AcceptsWhatTheRegistryEditorWritesAndSkipsForeignKeys) {
    ASSERT_EQ(system(("mkdir -p '" + m_sFolder + "emberlux'").c_str()), 0);
    WriteFile(m_sPath,
              "REGEDIT4\r\n\r\n; exported by hand\r\n[HKEY_CURRENT_USER\\Software\\Other]\r\n\"XRes\"=dword:00000001\r\n"
              "[HKEY_CURRENT_USER\\Software\\Norvane\\Emberlux!\\Presets]\r\n\"XRes\"=dword:400\r\n"
              "\"Blob\"=hex:01,02,\\\r\n  03,04\r\n@=\"default\"\r\n\"Big\"=hex(4):00,00,00,00,01\r\n");
    RegistryStore* store = OpenHive(m_sPath);
    ASSERT_NE(store, nullptr);
    EXPECT_EQ(store->ReadInt("Presets", "XRes", 0), 1024);
    EXPECT_EQ(store->ReadInt("Presets", "Blob", 0), 0x04030201) << "continued hex lines";
    EXPECT_EQ(store->ReadInt("Presets", "Big", 7), 7) << "five bytes do not fit an integer";
    EXPECT_EQ(store->ReadString("Presets", "", ""), "default");
    EXPECT_FALSE(Exists(m_sPath + ".bad"));
}

TEST_F(FileHive, AFileThatIsNoHiveIsKeptAsideAndTheStoreStartsEmpty) {
    for (const char* garbage : {"not a hive at all\n", "REGEDIT4\n[HKEY_CURRENT_USER\\Software\\Norvane\\Emberlux!]\n"
                                                      "\"XRes\"=dword:zz\n",
                                "REGEDIT4\n\"XRes\"=dword:1\n", "REGEDIT4\n[broken\n", ""}) {
        ASSERT_EQ(system(("rm -rf '" + m_sFolder + "emberlux' && mkdir -p '" + m_sFolder + "emberlux'").c_str()), 0);
        WriteFile(m_sPath, garbage);
        testing::internal::CaptureStderr();
        RegistryStore* store = OpenHive(m_sPath);
        const std::string said = testing::internal::GetCapturedStderr();
        ASSERT_NE(store, nullptr) << garbage;
        EXPECT_EQ(store->ReadInt("", "XRes", -1), -1);
        EXPECT_TRUE(Exists(m_sPath + ".bad")) << garbage;
        EXPECT_EQ(ReadWholeFile(m_sPath + ".bad"), garbage);
        EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
    }
}

TEST_F(FileHive, AnOversizedValueReadsAsTheDefault) {
    ASSERT_EQ(system(("mkdir -p '" + m_sFolder + "emberlux'").c_str()), 0);
    std::string hex;
    for (std::size_t i = 0; i <= kMaxRegistryValueBytes; ++i) hex += i ? ",41" : "41";
    WriteFile(m_sPath, "REGEDIT4\n[" + kRoot + "\\Presets]\n\"FireText\"=hex(1):" + hex + "\n\"XRes\"=dword:5\n");
    RegistryStore* store = OpenHive(m_sPath);
    ASSERT_NE(store, nullptr);
    EXPECT_EQ(store->ReadString("Presets", "FireText", "default"), "default");
    EXPECT_EQ(store->ReadInt("Presets", "XRes", 0), 5);
}

TEST_F(FileHive, ASaveInterruptedPartWayKeepsTheOldFile) {
    RegistryStore* store = OpenHive(m_sPath);
    for (int i = 0; i < 40; ++i) ASSERT_EQ(store->WriteInt("Presets", "Value" + std::to_string(i), i), 1);
    const std::string before = ReadWholeFile(m_sPath);
    // Let the next save run out of room after 100 bytes, as on a full disk.
    struct rlimit saved {};
    getrlimit(RLIMIT_FSIZE, &saved);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit tight = saved;
    tight.rlim_cur = 100;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &tight), 0);
    const int written = store->WriteInt("Presets", "Value0", 999);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);
    EXPECT_EQ(written, 0);
    EXPECT_EQ(ReadWholeFile(m_sPath), before);
    EXPECT_EQ(store->ReadInt("Presets", "Value0", -1), 0) << "the failed change is not kept in memory either";
    const std::string folder = m_sFolder + "emberlux";
    EXPECT_EQ(system(("test -z \"$(ls '" + folder + "' | grep tmp)\"").c_str()), 0) << "no temporary file is left";
}

TEST_F(FileHive, AnUnwritableFolderFailsTheWriteAndKeepsTheOldFile) {
    if (geteuid() == 0) GTEST_SKIP() << "folder permissions do not bind root";
    RegistryStore* store = OpenHive(m_sPath);
    ASSERT_EQ(store->WriteInt("Presets", "XRes", 800), 1);
    chmod((m_sFolder + "emberlux").c_str(), 0500);
    EXPECT_EQ(store->WriteInt("Presets", "XRes", 1024), 0);
    chmod((m_sFolder + "emberlux").c_str(), 0700);
    EXPECT_EQ(OpenHive(m_sPath)->ReadInt("Presets", "XRes", 0), 800);
}

TEST_F(FileHive, AWriteWhereNoFolderCanBeMadeFails) {
    RegistryStore* store = OpenHive("/proc/emberlux-no-such/registry.reg");
    ASSERT_NE(store, nullptr) << "a missing hive is an empty store";
    EXPECT_EQ(store->WriteInt("Presets", "XRes", 1), 0);
    EXPECT_EQ(store->ReadInt("Presets", "XRes", -1), -1);
}

TEST_F(FileHive, StoresSharingTheFileSeeAndKeepEachOthersChanges) {
    FileHiveRegistry saver(m_sPath, kRoot), dialog(m_sPath, kRoot);
    ASSERT_TRUE(saver.OpenApplicationKey());
    ASSERT_TRUE(dialog.OpenApplicationKey());
    const RegistryValue one{RegistryType::Dword, {1, 0, 0, 0}}, two{RegistryType::Dword, {2, 0, 0, 0}};
    ASSERT_TRUE(saver.SetValue("Presets", "PrevRunPreset", one));
    ASSERT_TRUE(dialog.SetValue("Presets\\Calm", "FireWorkCount", two));
    RegistryValue read;
    EXPECT_TRUE(saver.QueryValue("Presets\\Calm", "FireWorkCount", read)) << "a read picks up the other's save";
    ASSERT_TRUE(saver.SetValue("Presets", "PrevRunPreset", two));
    EXPECT_TRUE(dialog.QueryValue("Presets\\Calm", "FireWorkCount", read));
    EXPECT_EQ(read.data, two.data) << "a save keeps what the other saved";
    std::remove(m_sPath.c_str());
    EXPECT_FALSE(dialog.QueryValue("Presets", "PrevRunPreset", read)) << "a deleted hive reads as empty";
}

TEST_F(FileHive, APipeWhereTheHiveBelongsGivesNoStoreAndNoHang) {
    ASSERT_EQ(system(("mkdir -p '" + m_sFolder + "emberlux' && mkfifo '" + m_sPath + "'").c_str()), 0);
    EXPECT_EQ(OpenHive(m_sPath), nullptr);
}

TEST(FileHivePath, FollowsXdgConfigHome) {
    const char* saved = std::getenv("XDG_CONFIG_HOME");
    const std::string previous = saved ? saved : "";
    setenv("XDG_CONFIG_HOME", "/tmp/somewhere", 1);
    EXPECT_EQ(FileHiveRegistry::DefaultPath(), "/tmp/somewhere/emberlux/registry.reg");
    unsetenv("XDG_CONFIG_HOME");
    EXPECT_NE(FileHiveRegistry::DefaultPath().find("/.config/emberlux/registry.reg"), std::string::npos);
    if (saved) setenv("XDG_CONFIG_HOME", previous.c_str(), 1);
}
