// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include "windows/sheet/TexturedPage.h"

#include <string>

// The Burning Text page (dialog 159): the lines of flaming text, their
// order, burn type, trajectory and speed.
class CTextPage : public CSettingsPage {
public:
    CTextPage(const SettingsReader& reader, SettingsWriter& writer);
    int StoreToSettings(SettingsWriter& writer) override;
    int LoadFromSettings(const SettingsReader& reader) override;

protected:
    bool SetUpControls() override;
    // The values arrive when the sheet loads every page.
    bool ShowsRecordWhenSetUp() const override { return false; }
    INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void Exchange(bool pull) override;
    bool OnOK() override;

private:
    void RefreshLabels();
    void ApplyEnableRule();
    void OnSelectionChanged();
    void OnAdd();
    void OnDelete();
    int ListCount() const;

    HWND m_hToolbar = nullptr;
    int m_nEnable = 0, m_nSpeed = 0, m_nBurnType = 0, m_nOrbit = 0, m_nSequence = 0;
    std::string m_strText;
};
