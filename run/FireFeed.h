// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include "engine/FireEngine.h"
#include "platform/DesktopImage.h"
#include "run/FireSound.h"
#include "run/FramePresenter.h"
#include "run/RenderScale.h"
#include "settings/Settings.h"

#include <cstdint>
#include <memory>
#include <vector>

// What an engine is built in front of: the screen it burns away (null:
// black), what shows the turbulence map's progress (null: nothing), and
// whether it plays the fire's sounds.
struct FireSetUp {
    DesktopSource* desktop = nullptr;
    TurbulenceProgress* progress = nullptr;
    bool sound = false;
};

// The fire of one screen as frames for a presenter, the same in every front
// end: an engine of the run burning a field of a given size, stepped once a
// frame. Its frame goes to the presenter, and its palette with it whenever
// the palette changes.
class FireFeed {
public:
    explicit FireFeed(SharedEngineState& shared) : m_Shared(shared) {}

    // Makes the engine object the next Build creates ahead of it, so that a
    // front end can tell memory running out from an engine that cannot
    // start. False when memory runs out.
    bool MakeEngine();
    // An engine for a field of this size (the settings' XRes and YRes are
    // set to it). With `sound`, the fire's sounds start with the first engine
    // built, and a rebuilt one hears the same. False when it cannot be made;
    // nothing is fed then.
    bool Build(const Settings& settings, FieldSize field, const FireSetUp& setUp);
    // Steps the engine and presents its frame with `overlay` (null: none); 1
    // when a frame was presented.
    int Feed(FramePresenter& presenter, const char* overlay);

    bool Burning() const { return m_pEngine != nullptr; }
    // The record's palette file could not be read: the built-in palette burns.
    bool PaletteFellBack() const { return m_pEngine && m_pEngine->PaletteFellBack(); }
    FieldSize Field() const { return m_Field; }
    // The palette of the last frame fed (a presenter opened later starts with it).
    const FirePalette& Palette() const { return m_Palette; }

private:
    SharedEngineState& m_Shared;
    std::unique_ptr<FireSound> m_pSound;  // before the engines, which hold it as their sink
    std::unique_ptr<CFireEngine> m_pEngine, m_pNext;
    std::vector<std::uint8_t> m_Frame;
    FirePalette m_Palette{};
    FieldSize m_Field;
};
