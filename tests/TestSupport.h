// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include "engine/FireEngine.h"
#include "engine/SharedEngineState.h"
#include "settings/Settings.h"
#include "tests/FieldSource.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

// What a run's engines share as a new run starts it: the generator seeded and
// the random table filled, nothing carried over. On the heap: the table alone
// is 128 kB.
inline std::unique_ptr<SharedEngineState> FreshRun(std::uint32_t seed = 1) {
    return std::make_unique<SharedEngineState>(seed);
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

// An empty folder of this test's own under the test temporary directory.
inline std::string FreshTestFolder(const std::string& purpose) {
    const std::string folder = testing::TempDir() + "emberlux-" + purpose + "-" +
                               testing::UnitTest::GetInstance()->current_test_info()->name() + "/";
#ifdef _WIN32
    std::system(("rmdir /s /q \"" + folder + "\" 2>nul & mkdir \"" + folder + "\"").c_str());
#else
    std::system(("rm -rf '" + folder + "' && mkdir -p '" + folder + "'").c_str());
#endif
    return folder;
}
