// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include "engine/ExplosionSink.h"
#include "engine/SharedEngineState.h"
#include "platform/NonCopyable.h"

#include <cstdint>

// What effects see of their engine: its buffers, where its explosions are
// heard and what it shares with the other engines of its run (the random
// draws among them).
class CFrameSource : private NonCopyable {
public:
    enum Buffer { FireField = 0, BackgroundLayer = 1 };

    explicit CFrameSource(SharedEngineState& shared) : m_Shared(shared) {}
    virtual ~CFrameSource() = default;
    // Hands out the fire field (0) or the background layer (1) and its size;
    // null out-pointers are skipped. Returns 1.
    virtual int GetBuffer(int which, std::uint8_t** buffer, int* width, int* height, int* flag) = 0;
    SharedEngineState& Shared() const { return m_Shared; }
    // The next draw of the run's random table.
    int Draw() const { return m_Shared.random.Draw(); }
    const FirePasses& Passes() const { return *m_Shared.passes; }
    // Where bursts are heard (null: nowhere); the sink outlives the engine's steps.
    void SetExplosionSink(ExplosionSink* sink) { m_pExplosions = sink; }
    ExplosionSink* Explosions() const { return m_pExplosions; }

private:
    SharedEngineState& m_Shared;
    ExplosionSink* m_pExplosions = nullptr;
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
