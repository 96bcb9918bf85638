// SPDX-License-Identifier: GPL-2.0-or-later
#include "saver/FireFeed.h"

#include <new>

bool FireFeed::Build(const Settings& settings, FieldSize field, const DesktopImage& desktop, bool sound) {
    m_pEngine.reset();
    m_Field = field;
    std::unique_ptr<CFireEngine> engine(new (std::nothrow) CFireEngine(m_Shared));
    if (!engine) return false;
    Settings sized = settings;
    sized.SetInt(SettingId::XRes, field.width);
    sized.SetInt(SettingId::YRes, field.height);
    try {
        PictureDesktop picture(desktop);
        if (!desktop.bgr.empty()) engine->SetDesktopSource(&picture);
        const int created = engine->Create(sized);
        engine->SetDesktopSource(nullptr);
        if (!created) return false;
        m_Frame.assign(static_cast<std::size_t>(field.width) * field.height, 0);
    } catch (const std::bad_alloc&) {
        return false;
    }
    if (sound && !m_pSound) {
        m_pSound.reset(new (std::nothrow) FireSound);
        if (m_pSound) m_pSound->Start(sized);
    }
    engine->SetExplosionSink(m_pSound.get());
    engine->CopyPalette(m_Palette);
    m_pEngine = std::move(engine);
    return true;
}

int FireFeed::Feed(FramePresenter& presenter, const char* overlay) {
    if (!m_pEngine || !m_pEngine->Step() || !m_pEngine->RenderTo(m_Frame.data())) return 0;
    if (m_pEngine->TakePaletteChanged()) {
        m_pEngine->CopyPalette(m_Palette);
        presenter.SetPalette(m_Palette);
    }
    return presenter.Present(m_Frame.data(), overlay);
}
