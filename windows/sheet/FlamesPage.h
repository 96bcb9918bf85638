// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include "windows/sheet/TexturedPage.h"

// The Flames page (dialog 155): turbulence, fire waves and the crackle.
class CFlamesPage : public CSettingsPage {
public:
    CFlamesPage(const SettingsReader& reader, SettingsWriter& writer);
    int StoreToSettings(SettingsWriter& writer) override;
    int LoadFromSettings(const SettingsReader& reader) override;

protected:
    bool SetUpControls() override;
    INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void Exchange(bool pull) override;

private:
    int m_nWaveLength = 0, m_nWaveSpeed = 0, m_nWaveEnable = 0, m_nSound = 0, m_nTurbulence = 0;
};
