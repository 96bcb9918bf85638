// SPDX-License-Identifier: GPL-2.0-or-later
#include "web/src/PageRun.h"
#include "platform/Paths.h"
#include "run/RunSettings.h"
#include "settings/InstallDirectory.h"
#include "web/src/AddressSettings.h"

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
    return FieldSizeFor(m_nOutputWidth, m_nOutputHeight, IntOf(m_Record, SettingId::RenderScale));
}

bool PageRun::Resize(int outputWidth, int outputHeight) {
    m_nOutputWidth = outputWidth;
    m_nOutputHeight = outputHeight;
    const FieldSize field = PlannedField();
    if (m_pFeed && m_pFeed->Burning() && field.width == m_pFeed->Field().width &&
        field.height == m_pFeed->Field().height)
        return true;
    return m_pFeed ? Build() : Rebuild();
}

bool PageRun::Rebuild() {
    m_pFeed.reset();
    m_Frames.Close();
    if (!m_pShared) return false;
    m_pFeed.reset(new (std::nothrow) FireFeed(*m_pShared));
    return m_pFeed && Build();
}

bool PageRun::Build() {
    m_Frames.Close();
    const FieldSize field = PlannedField();
    if (field.width < 1 || field.height < 1) return false;
    // Without a picture the screen behind the fire is black.
    PictureDesktop desktop(m_Desktop);
    FireSetUp setUp;
    setUp.desktop = m_Desktop.bgr.empty() ? nullptr : &desktop;
    setUp.sound = true;
    return m_pFeed->Build(m_Record, field, setUp) &&
           m_Frames.Open(PresentSizes{field.width, field.height, m_nOutputWidth, m_nOutputHeight}, m_pFeed->Palette());
}

bool PageRun::SetDesktop(DesktopImage image) {
    m_Desktop = std::move(image);
    return Rebuild();
}
