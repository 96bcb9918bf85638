// SPDX-License-Identifier: GPL-2.0-or-later
// The hive file shared by real processes: writers killed in the middle of a
// save, and two writers saving at the same time.
#include "settings/RegHiveFormat.h"
#include "settings/posix/FileHiveRegistry.h"
#include "tests/TestSupport.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <dirent.h>
#include <fstream>
#include <random>
#include <sched.h>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

namespace {
const std::string kRoot = "HKEY_CURRENT_USER\\Software\\Norvane\\Emberlux!";

RegistryValue Dword(std::uint32_t value) {
    return RegistryValue{RegistryType::Dword,
                         {std::uint8_t(value), std::uint8_t(value >> 8), std::uint8_t(value >> 16), std::uint8_t(value >> 24)}};
}

std::uint32_t DwordOf(const RegistryValue& value) {
    std::uint32_t dword = 0;
    for (std::size_t i = 0; i < 4 && i < value.data.size(); ++i) dword |= std::uint32_t(value.data[i]) << (8 * i);
    return dword;
}

// Files of `folder` whose name holds ".tmp.": the temporary files of saves.
int TemporaryFiles(const std::string& folder) {
    int count = 0;
    DIR* listing = opendir(folder.c_str());
    while (const dirent* entry = listing ? readdir(listing) : nullptr)
        if (std::string(entry->d_name).find(".tmp.") != std::string::npos) ++count;
    if (listing) closedir(listing);
    return count;
}

// Waits until a save in `folder` is under way (it has a temporary file), for
// at most ten seconds; false when none began.
bool WaitForTemporaryFile(const std::string& folder) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (TemporaryFiles(folder) == 0)
        if (std::chrono::steady_clock::now() > deadline) return false;
        else sched_yield();
    return true;
}

// A settings tree of many presets, far larger than a real one, so that a save
// takes long enough to be interrupted; "Presets\Counter" is `counter`.
MemoryRegistry::Key LargeTree(std::uint32_t counter) {
    MemoryRegistry::Key root;
    MemoryRegistry::Key& presets = root.FindOrAdd("Presets");
    presets.values.emplace_back("Counter", Dword(counter));
    for (int p = 0; p < 24; ++p) {
        MemoryRegistry::Key& preset = presets.FindOrAdd("Preset " + std::to_string(p));
        for (int v = 0; v < 20; ++v) preset.values.emplace_back("Value" + std::to_string(v), Dword(p * 100 + v));
        const std::string text = "Flames of preset " + std::to_string(p) + "\nand a second line\n";
        preset.values.emplace_back("FireText", RegistryValue{RegistryType::String, {text.begin(), text.end()}});
        preset.values.back().second.data.push_back(0);
    }
    return root;
}

// Runs `body` in a child process that ends with exit code 0 when it returns true.
template <typename Body> pid_t StartChild(Body body) {
    const pid_t pid = fork();
    if (pid == 0) _exit(body() ? 0 : 1);
    return pid;
}

class HiveProcesses : public testing::Test {
protected:
    std::string m_sFolder = FreshTestFolder("hive-processes");
    std::string m_sPath = m_sFolder + "registry.reg";
};
}  // namespace

TEST_F(HiveProcesses, AWriterKilledAtAnyMomentLeavesTheOldOrTheNewHive) {
    // Every hive a writer saves: the large tree with "Counter" at its value.
    const std::string first = SerializeHive(LargeTree(0), kRoot);
    const std::size_t digits = first.find("\"Counter\"=dword:") + 16;
    auto savedWith = [&](std::uint32_t counter) {
        char hex[9];
        std::snprintf(hex, sizeof hex, "%08x", static_cast<unsigned>(counter));
        return std::string(first).replace(digits, 8, hex);
    };
    std::ofstream(m_sPath, std::ios::binary) << first;
    // Read again after every kill; each writer starts from the parent's copy.
    FileHiveRegistry hive(m_sPath, kRoot);
    ASSERT_TRUE(hive.OpenApplicationKey());
    std::mt19937 random(std::random_device{}());
    std::uint32_t counter = 0;  // the last value known to be saved
    int killedWhileSaving = 0;
    bool savesSeen = true;  // no longer waited for once one never came
    for (int kill = 0; kill < 200; ++kill) {
        int ready[2], go[2];
        ASSERT_EQ(pipe(ready), 0);
        ASSERT_EQ(pipe(go), 0);
        const std::uint32_t from = counter + 1;
        // The writer saves once and waits to be let go; then it saves on and on.
        const pid_t writer = StartChild([&] {
            char byte = 1;
            if (!hive.SetValue("Presets", "Counter", Dword(from)) || write(ready[1], &byte, 1) != 1 ||
                read(go[0], &byte, 1) != 1)
                return false;
            for (std::uint32_t k = from + 1;; ++k)
                if (!hive.SetValue("Presets", "Counter", Dword(k))) return false;
        });
        ASSERT_GT(writer, 0);
        close(ready[1]);
        close(go[0]);
        char byte = 0;
        ASSERT_EQ(read(ready[0], &byte, 1), 1) << "the writer's first save failed";
        EXPECT_EQ(TemporaryFiles(m_sFolder), 0) << "a save leaves the temporary files of killed writers, kill " << kill;
        ASSERT_EQ(write(go[1], &byte, 1), 1);
        usleep(std::uniform_int_distribution<useconds_t>(0, 20000)(random));
        // Every second kill waits for a save under way, so that many land in
        // the middle of one however fast the storage makes a save.
        if (kill % 2 && savesSeen) savesSeen = WaitForTemporaryFile(m_sFolder);
        ::kill(writer, SIGKILL);
        close(ready[0]);
        close(go[1]);
        int status = 0;
        ASSERT_EQ(waitpid(writer, &status, 0), writer);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the writer failed a save before it was killed, status " << status;
        if (TemporaryFiles(m_sFolder) > 0) ++killedWhileSaving;

        const std::string text = ReadWholeFile(m_sPath);
        ASSERT_GE(text.size(), digits + 8) << "after kill " << kill;
        const std::uint32_t found = static_cast<std::uint32_t>(std::stoul(text.substr(digits, 8), nullptr, 16));
        ASSERT_GE(found, from) << "after kill " << kill;
        ASSERT_EQ(text, savedWith(found)) << "after kill " << kill;
        ASSERT_TRUE(hive.OpenApplicationKey()) << "after kill " << kill;
        RegistryValue value;
        ASSERT_TRUE(hive.QueryValue("Presets", "Counter", value) && DwordOf(value) == found) << "the hive parses";
        counter = found;
    }
    std::printf("[ figures  ] 200 writers killed, %d of them while saving; %u saves in all\n", killedWhileSaving,
                static_cast<unsigned>(counter));
    EXPECT_GE(killedWhileSaving, 50) << "too few kills landed in the middle of a save to test it";
}

TEST_F(HiveProcesses, TwoWritersSavingAtOnceLoseNoUpdate) {
    constexpr int kSaves = 200;
    int gate[2];
    ASSERT_EQ(pipe(gate), 0);
    pid_t writers[2];
    for (int w = 0; w < 2; ++w) {
        writers[w] = StartChild([&] {
            close(gate[1]);
            char byte;
            if (read(gate[0], &byte, 1) != 0) return false;  // both start when the gate closes
            FileHiveRegistry hive(m_sPath, kRoot);
            if (!hive.OpenApplicationKey()) return false;
            const std::string prefix = w == 0 ? "Saver" : "Dialog";
            for (int i = 0; i < kSaves; ++i)
                if (!hive.SetValue("Presets", prefix + std::to_string(i), Dword(static_cast<std::uint32_t>(i))))
                    return false;
            return true;
        });
        ASSERT_GT(writers[w], 0);
    }
    close(gate[0]);
    close(gate[1]);
    for (pid_t writer : writers) {
        int status = 0;
        ASSERT_EQ(waitpid(writer, &status, 0), writer);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "a save failed, status " << status;
    }
    FileHiveRegistry hive(m_sPath, kRoot);
    ASSERT_TRUE(hive.OpenApplicationKey());
    int lost = 0;
    for (const char* prefix : {"Saver", "Dialog"})
        for (int i = 0; i < kSaves; ++i) {
            RegistryValue value;
            if (!hive.QueryValue("Presets", prefix + std::to_string(i), value) || DwordOf(value) != std::uint32_t(i)) ++lost;
        }
    EXPECT_EQ(lost, 0) << "updates lost of " << 2 * kSaves;
    EXPECT_EQ(TemporaryFiles(m_sFolder), 0);
}
