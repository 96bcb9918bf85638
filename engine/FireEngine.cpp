// SPDX-License-Identifier: GPL-2.0-or-later
#include "engine/FireEngine.h"
#include "engine/ColourCycling.h"
#include "engine/DesktopLayer.h"
#include "engine/FireField.h"
#include "engine/FirePasses.h"
#include "engine/FlamingText.h"
#include "engine/NewYearScene.h"
#include "engine/RandomTable.h"
#include "palette/PaletteFile.h"
#include "platform/OemText.h"
#include "platform/TempDirectory.h"
#include "settings/SettingIds.h"
#include "sound/SoundPlayer.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <stdexcept>

namespace {
// Shared by every engine of the process (see ResetSharedEngineState).
int g_nSubFrame = 0;
int g_bPendingSwitchOff = 0;

// The mixed output may look up to 63 + 3 bytes past the last row of the
// background layer; these zero bytes keep it inside the buffer at any size.
constexpr std::size_t kBackgroundPadding = 66;
// The turbulence remap may read 15 bytes past any pixel of the field.
constexpr std::size_t kFieldPadding = 15;

// The bottom source takes a new target row every seventh frame.
constexpr int kSubFramesPerTarget = 7;

// Stored counts and burst bounds beyond these are cut, so that no stored value
// makes a frame launch, move or draw millions of things: ten times what the
// settings dialog offers, and for sparkles (which it does not offer) two
// hundred times their default.
constexpr int kMaxFireworks = 400;
constexpr int kMaxFireballs = 200;
constexpr int kMaxBurstBalls = 1000;
constexpr int kMaxSparkles = 100000;
}  // namespace

int& SharedPendingSwitchOff() { return g_bPendingSwitchOff; }

void ResetSharedEngineState() {
    g_nSubFrame = 0;
    g_bPendingSwitchOff = 0;
    ResetLineSwitchCounter();
}

CFireEngine::CFireEngine() = default;

CFireEngine::~CFireEngine() {
    ReleaseAll();
    if (m_pSoundPlayer && m_bBackgroundSound && !g_bMute) m_pSoundPlayer->StopBackground();
    m_pSoundPlayer.reset();
}

void CFireEngine::ReadSettings(const SettingsReader& settings) {
    using namespace SettingId;
    settings.GetInt(XRes, m_nWidth);
    settings.GetInt(YRes, m_nHeight);
    settings.GetInt(SparklesCount, m_nSparkleCount);
    settings.GetInt(FireBallCount, m_nFireballCount);
    settings.GetInt(FireWorkCount, m_nFireworkCount);
    settings.GetInt(FireBallInFireWorkMax, m_nBurstMax);
    settings.GetInt(FireBallInFireWorkMin, m_nBurstMin);
    settings.GetInt(SettingId::FadeScreen, m_nFadeScreen);
    settings.GetInt(BackgroundSoundEnable, m_bBackgroundSound);
    settings.GetInt(TransitionOn, m_bTurbulence);
    settings.GetInt(WaveLength, m_nWaveLength);
    settings.GetInt(WaveSpeed, m_nWaveSpeed);
    settings.GetInt(WaveEnable, m_bWaves);
    settings.GetInt(ExplosionSoundEnable, m_bExplosionSound);
    settings.GetInt(OlympicRings, m_bNewYearScene);
    settings.GetString(Palette, m_sPalettePath);
    settings.GetInt(SoundVolume, m_nSoundVolume);
    if (m_nSoundVolume == 0) m_bExplosionSound = m_bBackgroundSound = 0;
    settings.GetInt(FireTextEnable, m_bText);
    settings.GetInt(FireTextSpeed, m_nTextSpeed);
    settings.GetInt(FireTextBurnType, m_nTextBurnType);
    settings.GetInt(FireTextOrbit, m_nTextTrajectory);
    settings.GetInt(CycleColors, m_bCycleColours);
    settings.GetInt(FadeBottom, m_bFadeBottom);
    settings.GetInt(TextSequence, m_nTextSequence);
    settings.GetString(FireText, m_sText);
    if (m_sText.empty()) m_bText = 0;
    settings.GetInt(PaperBurn, m_bPaperBurn);
    m_nSparkleCount = std::clamp(m_nSparkleCount, 0, kMaxSparkles);
    m_nFireballCount = std::clamp(m_nFireballCount, 0, kMaxFireballs);
    m_nFireworkCount = std::clamp(m_nFireworkCount, 0, kMaxFireworks);
    m_nBurstMax = std::min(m_nBurstMax, kMaxBurstBalls);
    m_nBurstMin = std::min(m_nBurstMin, kMaxBurstBalls);
}

bool CFireEngine::Allocate() {
    const std::size_t w = static_cast<std::size_t>(m_nWidth), h = static_cast<std::size_t>(m_nHeight);
    try {
        m_FireField.assign((h + 1) * w + kFieldPadding, 0);
        m_BackgroundLayer.assign((h + 1) * w + kBackgroundPadding, 0);
        m_Scratch.assign(m_FireField.size(), 0);  // takes the field's place after a remap
        m_BurnMap.assign(w * h, 0);
        m_BurnColumns.assign(w, 0);
        m_PreviousRow.assign(w, 0);
        m_CurrentRow.assign(w, 0);
        m_TargetRow.assign(w, 0);
        m_Sparkles.resize(static_cast<std::size_t>(m_nSparkleCount));
        m_Fireballs.resize(static_cast<std::size_t>(m_nFireballCount));
        m_Fireworks.resize(static_cast<std::size_t>(m_nFireworkCount));
        m_TurbulenceMap.resize(w * h);
        for (std::size_t i = 0; i < m_TurbulenceMap.size(); ++i) m_TurbulenceMap[i] = static_cast<int>(i);
        m_pNewYearScene.reset(new CNewYearScene(this));
        if (!m_pNewYearScene->Init()) return false;
        if (m_bText) {
            const OemText oem = ConvertToOemText(m_sText);
            m_pText.reset(new CFlamingText(this, oem.text, oem.fontId,
                                           FlamingTextOptions{m_nTextSpeed, m_nTextBurnType, m_nTextTrajectory,
                                                              m_nTextSequence}));
        }
    } catch (const std::bad_alloc&) {
        return false;
    } catch (const std::length_error&) {
        return false;
    }
    // A minimum above the maximum (a record that was never loaded) bursts with the minimum.
    const int maxBalls = std::max({m_nBurstMax, m_nBurstMin, 1});
    for (Firework& firework : m_Fireworks)
        if (!firework.Init(this, maxBalls)) return false;
    return true;
}

void CFireEngine::ReleaseAll() {
    m_FireField = {};
    m_BackgroundLayer = {};
    m_PreviousRow = m_CurrentRow = m_TargetRow = {};
    m_Fireworks = {};
    m_Sparkles = {};
    m_Fireballs = {};
    m_TurbulenceMap = {};
    m_ShuffleRuns.Clear();
    m_Scratch = {};
    m_pNewYearScene.reset();
    m_pText.reset();
    m_BurnMap = {};
    m_BurnBlocks.Clear();
    m_BurnColumns = {};
}

int CFireEngine::CaptureDesktop() {
    DesktopImage screen;
    if (m_pDesktopSource) {
        if (!m_pDesktopSource->Capture(screen)) return 0;
    } else {
        screen.width = m_nWidth;
        screen.height = m_nHeight;
    }
    try {
        if (!m_pDesktopSource) screen.bgr.assign(static_cast<std::size_t>(m_nWidth) * m_nHeight * 3, 0);
        ConvertToGreyLevels(ScaleDesktop(screen, m_nWidth, m_nHeight), m_bFadeBottom != 0, m_BackgroundLayer.data());
    } catch (const std::bad_alloc&) {
        return 0;
    }
    return 1;
}

int CFireEngine::Create(const SettingsReader& settings) {
    ReadSettings(settings);
    m_bPaletteChanged = 0;
    m_nBurnRoundsLeft = 0;
    m_nBurnFront = 300;
    m_bPaletteFellBack = false;
    g_bPendingSwitchOff = 0;
    if (m_nWidth < 1 || m_nHeight < 2) return 0;
    if (!Allocate()) {
        ReleaseAll();
        return 0;
    }
    BuildBurnMap(m_BurnMap.data(), m_nWidth, m_nHeight);
    if ((m_bPaperBurn && !m_BurnBlocks.Build(m_BurnMap.data(), m_nWidth, m_nHeight)) || !CaptureDesktop()) {
        ReleaseAll();
        return 0;
    }
    InitEffects();
    if (m_bTurbulence) {
        BuildOrLoadTurbulenceMap(m_TurbulenceMap.data(), m_nWidth, m_nHeight,
                                 m_sCacheDirectory.empty() ? GetTemporaryDirectory() : m_sCacheDirectory,
                                 m_pTurbulenceProgress);
        // Without the runs (no memory, or another level) the map alone serves.
        if (ActiveFirePasses().shufflesRuns) m_ShuffleRuns.Build(m_TurbulenceMap.data(), m_TurbulenceMap.size());
    }
    if (!ReadPaletteSource()) return 0;
    LoadPalette();
    StartSound();
    m_nFrame = 0;
    return 1;
}

void CFireEngine::InitEffects() {
    for (Sparkle& sparkle : m_Sparkles) sparkle.Init(this);
    for (Fireball& fireball : m_Fireballs) fireball.Init(this);
}

bool CFireEngine::ReadPaletteSource() {
    if (!m_sPalettePath.empty() && ReadPalette(m_SourcePalette, m_sPalettePath)) return true;
    m_bPaletteFellBack = !m_sPalettePath.empty();
    return ReadPalette(m_SourcePalette, kBuiltInPaletteId) != 0;
}

int CFireEngine::LoadPalette() {
    m_Palette = m_SourcePalette;
    if (m_nFadeScreen != 0) ApplyDesktopBlend(m_Palette, m_nFadeScreen);
    return 1;
}

void CFireEngine::StartSound() {
    if (!m_bBackgroundSound || g_bMute) return;
    m_pSoundPlayer.reset(new (std::nothrow) CSoundPlayer(m_pMakeAudioDevice));
    if (!m_pSoundPlayer) return;
    if (!m_pSoundPlayer->Init(m_bExplosionSound)) {
        m_bBackgroundSound = 0;
        m_pSoundPlayer.reset();
    } else if (!m_pSoundPlayer->StartBackground()) {
        m_pSoundPlayer.reset();
    }
}

int CFireEngine::GetBuffer(int which, std::uint8_t** buffer, int* width, int* height, int* flag) {
    if (which != FireField && which != BackgroundLayer) return 1;
    if (buffer) *buffer = which == FireField ? m_FireField.data() : m_BackgroundLayer.data();
    if (width) *width = m_nWidth;
    if (height) *height = m_nHeight;
    if (flag) *flag = 1;
    return 1;
}

int CFireEngine::Step() {
    const long long n = m_nFrame;
    const FirePasses& passes = ActiveFirePasses();
    if (m_bPaperBurn && m_nBurnRoundsLeft >= 0) PaperBurnPass();
    if (m_pText && m_nTextBurnType == 0) TextPass();
    if (m_bTurbulence) {
        // The remapped field becomes the field; both keep the zero spare row.
        const ShuffleRunsView runs = m_ShuffleRuns.View();
        passes.remap(m_FireField.data(), m_TurbulenceMap.data(), &runs, m_TurbulenceMap.size(), m_Scratch.data());
        m_FireField.swap(m_Scratch);
    }
    const long long active = std::min<long long>(5 * n, m_nSparkleCount);
    for (long long i = 0; i < active; ++i) {
        Sparkle& sparkle = m_Sparkles[static_cast<std::size_t>(i)];
        if (!sparkle.Move() || !sparkle.Draw()) return 0;
    }
    if (!StepFireworks()) return 0;
    FeedBottom(m_FireField.data(), m_nWidth, m_nHeight, m_PreviousRow.data(), m_TargetRow.data(), m_CurrentRow.data(),
               g_nSubFrame);
    for (Fireball& fireball : m_Fireballs) {
        if (!fireball.Move()) return 0;
        fireball.Draw();
    }
    passes.averageUpward(m_FireField.data(), m_nWidth, m_nHeight);
    std::memcpy(m_FireField.data(), m_FireField.data() + m_nWidth, static_cast<std::size_t>(m_nWidth));
    if (++g_nSubFrame >= kSubFramesPerTarget) {
        m_PreviousRow = m_TargetRow;
        MakeTargetRow();
        if (m_bWaves) ApplyWaves(m_TargetRow.data(), m_nWidth, m_nWaveLength, m_nWaveSpeed, n);
        g_nSubFrame = 0;
    }
    if (m_bNewYearScene) {
        if (n == 50 || n % 1300 == 0) m_pNewYearScene->Start();
        else if (n > 50 && m_pNewYearScene->Advance()) m_pNewYearScene->Draw();
    }
    if (m_pText && m_nTextBurnType != 0) TextPass();
    ++m_nFrame;
    SwitchDesktopOff();
    if (m_bCycleColours) {
        m_bPaletteChanged = 1;
        LoadPalette();
        CyclePaletteHues(m_Palette, m_nFrame);
    }
    return 1;
}

void CFireEngine::TextPass() {
    if (m_nFrame == 0) m_pText->Start();
    if (m_pText->Advance()) m_pText->Draw();
}

int CFireEngine::StepFireworks() {
    const long long span = std::max(static_cast<long long>(m_nBurstMax) - m_nBurstMin + 1, 1LL);
    for (Firework& firework : m_Fireworks) {
        if (firework.IsIdle()) {
            int r[5];
            for (int& draw : r) draw = RandomTable::Draw();
            const int r0 = r[0], r1 = r[1], r2 = r[2], r3 = r[3], r4 = r[4];
            const int balls = static_cast<int>(std::max(m_nBurstMin + r0 % span, 1LL));
            if (!firework.Launch(r4 % m_nWidth, m_nHeight - 1, r3 % 7 - 3, r2 % 12 - 12, r1 % 60 + 20, balls))
                return 0;
        }
        if (!firework.Advance()) return 0;
    }
    return 1;
}

void CFireEngine::MakeTargetRow() {
    const int a = RandomTable::Draw() % 255;
    const int b = RandomTable::Draw() % 255;
    FillTargetRow(m_TargetRow.data(), 0, m_nWidth, b, a);
}
