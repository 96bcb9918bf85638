// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include "engine/FireEngine.h"
#include "engine/SharedEngineState.h"
#include "platform/DesktopImage.h"
#include "saver/FireSound.h"
#include "saver/RenderScale.h"
#include "settings/Settings.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// The fire of the page: the record it shows, the engine that burns it at the
// field size of the window's device pixels (the render scale of the savers),
// its frame and palette, and the picture the user gave to burn in front of.
// The page presents the frames it is handed; everything a run decides is here.
class PageRun {
public:
    // Seeds the run's engines from the time, loads the stored record and moves
    // on to the next preset when Random is on, as the savers do at each run;
    // then the settings of the address win. Returns the notices of the
    // address's repaired or dropped values; none and a run that cannot burn
    // when memory runs out.
    std::vector<std::string> Start(const std::string& address);

    // The address changed while the page is open: the current preset as
    // stored, then the address's settings; the notices as Start's.
    std::vector<std::string> FollowAddress(const std::string& address);

    Settings& Record() { return m_Record; }
    // The palette folder: the sample palettes and those the user opened.
    static std::string PaletteFolder();

    // Burns for an output of this many pixels: a new engine when the field
    // size changes. False when no engine could be made at this size.
    bool Resize(int outputWidth, int outputHeight);
    // A new engine and its sound for the record as it is now (its render scale
    // may give another field size).
    bool Rebuild();

    // The picture the fire burns in front of (none: black), as the savers'
    // photograph of the screen: BGR rows, the bottom row first. Rebuilds.
    bool SetDesktop(DesktopImage image);

    // Steps the engine and renders its frame; false without an engine.
    bool Step();
    const std::uint8_t* Frame() const { return m_Frame.data(); }
    int FieldWidth() const { return m_nFieldWidth; }
    int FieldHeight() const { return m_nFieldHeight; }
    // The palette as 256 red, green, blue, opaque alpha quads; and whether it
    // changed since the last call.
    const std::uint8_t* PaletteRgba() const { return m_PaletteRgba; }
    // The record's palette file could not be read: the built-in palette burns.
    bool PaletteFellBack() const { return m_pEngine && m_pEngine->PaletteFellBack(); }
    bool TakePaletteChanged();
    // The frame as red, green, blue, alpha pixels (for a canvas without WebGL).
    const std::uint8_t* FrameRgba();

private:
    // The field size the record's render scale gives the output.
    FieldSize PlannedField() const;
    void TakePalette();

    Settings m_Record;
    std::unique_ptr<SharedEngineState> m_pShared;
    std::unique_ptr<FireSound> m_pSound;
    std::unique_ptr<CFireEngine> m_pEngine;
    DesktopImage m_Desktop;
    std::vector<std::uint8_t> m_Frame;
    std::vector<std::uint32_t> m_FrameRgba;
    std::uint32_t m_PaletteWords[256] = {};
    std::uint8_t m_PaletteRgba[1024] = {};
    bool m_bPaletteChanged = false;
    int m_nOutputWidth = 0, m_nOutputHeight = 0;
    int m_nFieldWidth = 0, m_nFieldHeight = 0;
};
