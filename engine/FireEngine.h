// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include "engine/BurnBlocks.h"
#include "engine/FrameSource.h"
#include "engine/Firework.h"
#include "engine/ShuffleRuns.h"
#include "engine/Sparkle.h"
#include "engine/TurbulenceMap.h"
#include "palette/FirePalette.h"
#include "platform/DesktopImage.h"
#include "settings/SettingsReader.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class CNewYearScene;
class CFlamingText;

// The fire: a W x (H + 1) field of heat fed from the bottom, carried upward
// by an in-place averaging pass, with effects drawing heat into it, rendered
// as W x H palette indexes through a 256-colour palette.
class CFireEngine : public CFrameSource {
public:
    // `shared` is the run's, shared with its other engines; it outlives the engine.
    explicit CFireEngine(SharedEngineState& shared);
    ~CFireEngine() override;

    // Where Create photographs the screen; without one the screen is black.
    void SetDesktopSource(DesktopSource* source) { m_pDesktopSource = source; }
    // Where the turbulence map is cached (default: the temporary directory),
    // and who hears about its progress while it is built.
    void SetCacheDirectory(const std::string& directory) { m_sCacheDirectory = directory; }
    void SetTurbulenceProgress(TurbulenceProgress* progress) { m_pTurbulenceProgress = progress; }

    // 1 when the engine is ready to step; 0 for a size below 1 x 2, a failed
    // allocation or desktop capture, or no readable palette at all.
    int Create(const SettingsReader& settings);
    // One frame; 0 when an effect failed and stepping must stop.
    int Step();
    // Writes the H rows of W palette indexes of the current frame.
    int RenderTo(std::uint8_t* dest);
    // Fills the palette from its source and blends the desktop in when shown.
    int LoadPalette();
    int CopyPalette(FirePalette& dest) const;
    int TakePaletteChanged();

    int GetBuffer(int which, std::uint8_t** buffer, int* width, int* height, int* flag) override;

    int Width() const { return m_nWidth; }
    int Height() const { return m_nHeight; }
    // The desktop blend now in force (0 once the desktop is switched off), and
    // the palette as read from its source, before any blend or cycling.
    int FadeScreen() const { return m_nFadeScreen; }
    const FirePalette& UnblendedPalette() const { return m_SourcePalette; }
    // True when the palette file could not be read and the built-in one is used.
    bool PaletteFellBack() const { return m_bPaletteFellBack; }
    // The fire field, W x (H + 1) bytes (tests and tools); it moves between
    // two buffers when the turbulence remaps it.
    const std::uint8_t* FireFieldData() const { return m_FireField.data(); }
    const std::uint8_t* BackgroundLayerData() const { return m_BackgroundLayer.data(); }
    const std::vector<Firework>& Fireworks() const { return m_Fireworks; }

private:
    void ReadSettings(const SettingsReader& settings);
    bool Allocate();
    void ReleaseAll();
    int CaptureDesktop();
    bool ReadPaletteSource();
    void InitEffects();
    int StepFireworks();
    void MakeTargetRow();
    void PaperBurnPass();
    void SwitchDesktopOff();
    void TextPass();

    long long m_nFrame = 0;
    int m_nWidth = 0, m_nHeight = 0;
    int m_nSparkleCount = 0, m_nFireballCount = 0, m_nFireworkCount = 0;
    int m_nBurstMax = 0, m_nBurstMin = 0;
    int m_nFadeScreen = 0;
    int m_bTurbulence = 0;
    int m_nWaveLength = 0, m_nWaveSpeed = 0, m_bWaves = 0;
    int m_bNewYearScene = 0;
    int m_bCycleColours = 0;
    int m_bFadeBottom = 0;
    int m_bText = 0, m_nTextSpeed = 0, m_nTextSequence = 0, m_nTextBurnType = 0, m_nTextTrajectory = 0;
    int m_bPaperBurn = 0;
    std::string m_sText;
    std::string m_sPalettePath;

    std::vector<int> m_TurbulenceMap;
    ShuffleRuns m_ShuffleRuns;  // the map as byte shuffles, where the passes use them
    std::vector<std::uint8_t> m_Scratch;
    std::vector<std::uint8_t> m_FireField;
    std::vector<std::uint8_t> m_BackgroundLayer;
    std::vector<std::uint8_t> m_BurnMap;
    BurnBlocks m_BurnBlocks;
    std::vector<int> m_BurnColumns;  // the burning columns of one row of the paper burn
    std::vector<std::uint8_t> m_PreviousRow, m_CurrentRow, m_TargetRow;
    int m_nBurnRoundsLeft = 0;
    int m_nBurnFront = 300;
    FirePalette m_Palette{};
    FirePalette m_SourcePalette{};  // as read from its source, before blending and cycling
    int m_bPaletteChanged = 0;
    bool m_bPaletteFellBack = false;

    std::vector<Sparkle> m_Sparkles;
    std::vector<Fireball> m_Fireballs;
    std::vector<Firework> m_Fireworks;
    std::unique_ptr<CNewYearScene> m_pNewYearScene;
    std::unique_ptr<CFlamingText> m_pText;
    DesktopSource* m_pDesktopSource = nullptr;
    std::string m_sCacheDirectory;
    TurbulenceProgress* m_pTurbulenceProgress = nullptr;
};
