// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include "config/PageRules.h"
#include "windows/sheet/TexturedPage.h"

#include <array>

// The Effects page (dialog 158): fireworks, fireballs, the two scenes and
// the explosion sound.
class CEffectsPage : public CSettingsPage {
public:
    CEffectsPage(const SettingsReader& reader, SettingsWriter& writer);
    int StoreToSettings(SettingsWriter& writer) override;
    int LoadFromSettings(const SettingsReader& reader) override;

protected:
    bool SetUpControls() override;
    INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void Exchange(bool pull) override;

private:
    void RefreshLabels();
    // Each member with the setting it shows, in the order they are read and written.
    std::array<IntSetting, 7> Members();

    int m_nFireBalls = 0, m_nFireWorks = 0, m_nSizeMax = 0, m_nSizeMin = 0;
    int m_nSound = 0, m_nNewYear = 0, m_nPaper = 0;
};
