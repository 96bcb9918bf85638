// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include <cstdint>

class CSoundPlayer;

// What effects see of their engine: its buffers and its sound player.
class CFrameSource {
public:
    enum Buffer { FireField = 0, BackgroundLayer = 1 };

    virtual ~CFrameSource() = default;
    // Hands out the fire field (0) or the background layer (1) and its size;
    // null out-pointers are skipped. Returns 1.
    virtual int GetBuffer(int which, std::uint8_t** buffer, int* width, int* height, int* flag) = 0;
    virtual CSoundPlayer* GetSoundPlayer() = 0;
};

// The fire field and its size, fetched through GetBuffer.
struct FieldView {
    std::uint8_t* pixels = nullptr;
    int width = 0;
    int height = 0;
};

// Fetches the fire field of `engine`; false when the engine refuses.
inline bool FetchFireField(CFrameSource& engine, FieldView& view) {
    return engine.GetBuffer(CFrameSource::FireField, &view.pixels, &view.width, &view.height, nullptr) != 0;
}
