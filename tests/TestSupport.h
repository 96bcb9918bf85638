// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include "engine/FireEngine.h"
#include "engine/SharedEngineState.h"
#include "settings/Settings.h"
#include "tests/FieldSource.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <memory>
#include <random>
#include <sstream>
#include <string>
#include <system_error>
#include <vector>

// What a run's engines share as a new run starts it: the generator seeded and
// the random table filled, nothing carried over. On the heap: the table alone
// is 128 kB.
inline std::unique_ptr<SharedEngineState> FreshRun(std::uint32_t seed = 1) {
    return std::make_unique<SharedEngineState>(seed);
}

// Each command line is refused by `parse` (line, options, error) with one
// line of explanation.
template <class Options>
void ExpectEachRefusedWithOneLine(std::initializer_list<const char*> lines,
                                  bool (*parse)(const std::string&, Options&, std::string&)) {
    for (const char* line : lines) {
        Options options;
        std::string error;
        EXPECT_FALSE(parse(line, options, error)) << line;
        EXPECT_FALSE(error.empty()) << line;
        EXPECT_EQ(error.find('\n'), std::string::npos) << line;
    }
}

// A record as a load from an empty store gives it, at the given size.
inline Settings DefaultSettings(int width, int height) {
    Settings settings;
    settings.ResetToLoadDefaults();
    settings.SetInt(SettingId::XRes, width);
    settings.SetInt(SettingId::YRes, height);
    return settings;
}

// The same without turbulence: no cache file, no map to build.
inline Settings WithoutTurbulence(int width, int height) {
    Settings settings = DefaultSettings(width, height);
    settings.SetInt(SettingId::TransitionOn, 0);
    return settings;
}

inline std::string TestDataPath(const std::string& name) { return std::string(EMBERLUX_TEST_DATA) + "/" + name; }

inline std::string ReadWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

namespace test_support {
// The folders FreshTestFolder made, removed with all they hold when the test
// program ends.
class MadeFolders {
public:
    ~MadeFolders() {
        std::error_code ignored;
        for (const std::string& folder : m_Folders) std::filesystem::remove_all(folder, ignored);
    }
    void Add(const std::string& folder) { m_Folders.push_back(folder); }

private:
    std::vector<std::string> m_Folders;
};

inline MadeFolders& Made() {
    static MadeFolders folders;
    return folders;
}

// Makes a new folder named `stem` and six more characters, as mkdtemp does;
// false when none could be made.
inline bool MakeUniqueFolder(std::string& stem) {
#ifdef _WIN32
    std::random_device random;
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string candidate = stem + std::to_string(100000 + random() % 900000);
        std::error_code error;
        if (std::filesystem::create_directory(candidate, error)) {
            stem = candidate;
            return true;
        }
    }
    return false;
#else
    stem += "XXXXXX";
    return mkdtemp(&stem[0]) != nullptr;
#endif
}
}  // namespace test_support

// A new empty folder of this test's own under the test temporary directory,
// which no other test and no other run on the machine shares; it goes when
// the test program ends.
inline std::string FreshTestFolder(const std::string& purpose) {
    std::string name = purpose + "-" + testing::UnitTest::GetInstance()->current_test_info()->name();
    for (char& c : name)
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '-';  // parameterised tests are named "Name/1"
    std::string folder = testing::TempDir() + "emberlux-" + name + "-";
    if (!test_support::MakeUniqueFolder(folder)) {
        ADD_FAILURE() << "cannot make a test folder " << folder;
        return folder;
    }
    test_support::Made().Add(folder);
    return folder + "/";
}
