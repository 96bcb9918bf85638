// SPDX-License-Identifier: GPL-2.0-or-later
#include "web/src/PageRun.h"
#include "platform/Paths.h"
#include "saver/RunSettings.h"
#include "saver/ScreenPlan.h"
#include "settings/InstallDirectory.h"
#include "web/src/AddressSettings.h"

#include <cstring>
#include <ctime>
#include <new>

std::vector<std::string> PageRun::Start(const std::string& address) {
    m_pShared.reset(new (std::nothrow) SharedEngineState(static_cast<std::uint32_t>(std::time(nullptr))));
    if (!m_pShared) return {};
    PrepareRunSettings(SettingOptions(), true, m_Record);
    return ApplyAddressSettings(address, PaletteFolder(), m_Record);
}

std::vector<std::string> PageRun::FollowAddress(const std::string& address) {
    if (!m_Record.Load()) m_Record.ResetToLoadDefaults();
    return ApplyAddressSettings(address, PaletteFolder(), m_Record);
}

std::string PageRun::PaletteFolder() { return GetInstallDirectory() + kPaletteFolderName; }

FieldSize PageRun::PlannedField() const {
    const int renderScale = IntOf(m_Record, SettingId::RenderScale, kRenderScaleAutomatic);
    const WindowPlan plan =
        PlanFullScreen({}, m_nOutputWidth, m_nOutputHeight, m_nOutputWidth, m_nOutputHeight, 0, renderScale).front();
    return FieldSize{plan.fieldWidth, plan.fieldHeight};
}

bool PageRun::Resize(int outputWidth, int outputHeight) {
    m_nOutputWidth = outputWidth;
    m_nOutputHeight = outputHeight;
    const FieldSize field = PlannedField();
    if (m_pEngine && field.width == m_nFieldWidth && field.height == m_nFieldHeight) return true;
    return Rebuild();
}

bool PageRun::Rebuild() {
    m_pEngine.reset();
    m_pSound.reset();
    const FieldSize field = PlannedField();
    m_nFieldWidth = field.width;
    m_nFieldHeight = field.height;
    if (!m_pShared || m_nFieldWidth < 1 || m_nFieldHeight < 1) return false;
    std::unique_ptr<CFireEngine> engine(new (std::nothrow) CFireEngine(*m_pShared));
    if (!engine) return false;
    Settings sized = m_Record;
    sized.SetInt(SettingId::XRes, m_nFieldWidth);
    sized.SetInt(SettingId::YRes, m_nFieldHeight);
    // Without a picture the screen behind the fire is black.
    PictureDesktop desktop(m_Desktop);
    if (!m_Desktop.bgr.empty()) engine->SetDesktopSource(&desktop);
    const int created = engine->Create(sized);
    engine->SetDesktopSource(nullptr);
    if (!created) return false;
    try {
        m_Frame.assign(static_cast<std::size_t>(m_nFieldWidth) * m_nFieldHeight, 0);
        m_FrameRgba.assign(m_Frame.size(), 0);
    } catch (const std::bad_alloc&) {
        return false;
    }
    m_pSound.reset(new (std::nothrow) FireSound);
    if (m_pSound) m_pSound->Start(sized);
    engine->SetExplosionSink(m_pSound.get());
    m_pEngine = std::move(engine);
    TakePalette();
    return true;
}

bool PageRun::SetDesktop(DesktopImage image) {
    m_Desktop = std::move(image);
    return Rebuild();
}

bool PageRun::Step() {
    if (!m_pEngine || !m_pEngine->Step() || !m_pEngine->RenderTo(m_Frame.data())) return false;
    if (m_pEngine->TakePaletteChanged()) TakePalette();
    return true;
}

void PageRun::TakePalette() {
    FirePalette palette{};
    m_pEngine->CopyPalette(palette);
    for (int i = 0; i < 256; ++i) {
        const PaletteEntry& entry = palette.entries[i];
        std::uint8_t* rgba = m_PaletteRgba + 4 * i;
        rgba[0] = entry.red;
        rgba[1] = entry.green;
        rgba[2] = entry.blue;
        rgba[3] = 255;
        std::memcpy(&m_PaletteWords[i], rgba, 4);
    }
    m_bPaletteChanged = true;
}

bool PageRun::TakePaletteChanged() {
    const bool changed = m_bPaletteChanged;
    m_bPaletteChanged = false;
    return changed;
}

const std::uint8_t* PageRun::FrameRgba() {
    m_pShared->passes->lookUpWords(m_Frame.data(), m_Frame.size(), m_PaletteWords, m_FrameRgba.data());
    return reinterpret_cast<const std::uint8_t*>(m_FrameRgba.data());
}
