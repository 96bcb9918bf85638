// SPDX-License-Identifier: GPL-2.0-or-later
#include "run/FireFeed.h"

#include <new>

bool FireFeed::MakeEngine() {
    try {
        if (!m_pNext) m_pNext.reset(new CFireEngine(m_Shared));
    } catch (const std::bad_alloc&) {
        return false;
    }
    return true;
}

bool FireFeed::Build(const Settings& settings, FieldSize field, const FireSetUp& setUp) {
    m_pEngine.reset();
    m_Field = field;
    if (!MakeEngine()) return false;
    std::unique_ptr<CFireEngine> engine = std::move(m_pNext);
    try {
        Settings sized = settings;
        sized.SetInt(SettingId::XRes, field.width);
        sized.SetInt(SettingId::YRes, field.height);
        engine->SetDesktopSource(setUp.desktop);
        engine->SetTurbulenceProgress(setUp.progress);
        const int created = engine->Create(sized);
        engine->SetDesktopSource(nullptr);
        engine->SetTurbulenceProgress(nullptr);
        if (!created) return false;
        m_Frame.assign(static_cast<std::size_t>(field.width) * field.height, 0);
        if (setUp.sound && !m_pSound) {
            m_pSound.reset(new FireSound);
            m_pSound->Start(sized);
        }
    } catch (const std::bad_alloc&) {
        return false;
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
