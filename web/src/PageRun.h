// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include "engine/SharedEngineState.h"
#include "platform/DesktopImage.h"
#include "run/FireFeed.h"
#include "run/RenderScale.h"
#include "settings/Settings.h"
#include "web/src/PageFrames.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// The fire of the page: the record it shows, the fire that burns it at the
// field size of the window's device pixels (the render scale of the savers),
// fed as every saver feeds it to a presenter that keeps its frame and
// palette for the page's scripts, and the picture the user gave to burn in
// front of. Everything a run decides is here.
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

    // Burns for an output of this many pixels: a new engine (the sound goes
    // on) when the field size changes. False when no engine could be made at
    // this size.
    bool Resize(int outputWidth, int outputHeight);
    // A new engine and its sound for the record as it is now (its render scale
    // may give another field size).
    bool Rebuild();

    // The picture the fire burns in front of (none: black), as the savers'
    // photograph of the screen: BGR rows, the bottom row first. Rebuilds.
    bool SetDesktop(DesktopImage image);

    // Steps the engine and renders its frame; false without an engine.
    bool Step() { return m_pFeed && m_pFeed->Feed(m_Frames, nullptr) == 1; }
    const std::uint8_t* Frame() const { return m_Frames.Frame(); }
    int FieldWidth() const { return m_Frames.Sizes().fieldWidth; }
    int FieldHeight() const { return m_Frames.Sizes().fieldHeight; }
    // The palette as 256 red, green, blue, opaque alpha quads; and whether it
    // changed since the last call.
    const std::uint8_t* PaletteRgba() const { return m_Frames.PaletteRgba(); }
    // The record's palette file could not be read: the built-in palette burns.
    bool PaletteFellBack() const { return m_pFeed && m_pFeed->PaletteFellBack(); }
    bool TakePaletteChanged() { return m_Frames.TakePaletteChanged(); }
    // The frame as red, green, blue, alpha pixels (for a canvas without WebGL).
    const std::uint8_t* FrameRgba() { return m_pShared ? m_Frames.FrameRgba(*m_pShared->passes) : nullptr; }

private:
    // The field size the record's render scale gives the output.
    FieldSize PlannedField() const;
    // An engine at that size, keeping the feed and its sound.
    bool Build();

    Settings m_Record;
    std::unique_ptr<SharedEngineState> m_pShared;
    std::unique_ptr<FireFeed> m_pFeed;
    PageFrames m_Frames;
    DesktopImage m_Desktop;
    int m_nOutputWidth = 0, m_nOutputHeight = 0;
};
