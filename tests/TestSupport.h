#pragma once
#include "engine/CrtRandom.h"
#include "engine/FireEngine.h"
#include "engine/RandomTable.h"
#include "settings/Settings.h"
#include "sound/SoundPlayer.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

// Seeds the generators and clears what engines share, as a fresh process would.
// Engines under test make no sound (explosions would take random draws).
inline void FreshProcess(std::uint32_t seed = 1) {
    g_bMute = 1;
    ResetSharedEngineState();
    CrtSrand(seed);
    RandomTable::Fill();
}

// A record as a load from an empty store gives it, at the given size.
inline Settings DefaultSettings(int width, int height) {
    Settings settings;
    settings.ResetToLoadDefaults();
    settings.SetInt(SettingId::XRes, width);
    settings.SetInt(SettingId::YRes, height);
    return settings;
}

// A fire field of its own for effects tested without an engine.
class FieldSource : public CFrameSource {
public:
    FieldSource(int width, int height)
        : width(width), height(height), field(static_cast<std::size_t>(width) * (height + 1)) {}
    int GetBuffer(int which, std::uint8_t** buffer, int* w, int* h, int* flag) override {
        if (which != 0) return 1;
        if (buffer) *buffer = field.data();
        if (w) *w = width;
        if (h) *h = height;
        if (flag) *flag = 1;
        return 1;
    }
    CSoundPlayer* GetSoundPlayer() override { return nullptr; }
    std::uint8_t& At(int x, int y) { return field[static_cast<std::size_t>(y) * width + x]; }

    int width, height;
    std::vector<std::uint8_t> field;
};

inline std::string TestDataPath(const std::string& name) { return std::string(EMBERLUX_TEST_DATA) + "/" + name; }

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
