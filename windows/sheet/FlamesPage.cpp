// SPDX-License-Identifier: GPL-2.0-or-later
#include "windows/sheet/FlamesPage.h"

#include "config/PageRules.h"
#include "windows/sheet/ConfigResource.h"
#include "windows/sheet/DataExchange.h"
#include "settings/SettingIds.h"

CFlamesPage::CFlamesPage(const SettingsReader& reader, SettingsWriter& writer)
    : CSettingsPage(reader, writer, IDD_FLAMES_PAGE, IDS_TAB_FLAMES) {}

bool CFlamesPage::SetUpControls() {
    SetUpSliders(m_hWnd, {{IDC_FLAMES_TURBULENCE, SettingId::TransitionOn, 1},
                          {IDC_FLAMES_WAVES, SettingId::WaveEnable, 1},
                          {IDC_FLAMES_WAVE_SPEED, SettingId::WaveSpeed, 10},
                          {IDC_FLAMES_WAVE_LENGTH, SettingId::WaveLength, 20}});
    return true;
}

void CFlamesPage::Exchange(bool pull) {
    ExchangeControls(m_hWnd,
                     {{IDC_FLAMES_TURBULENCE, m_nTurbulence, ControlKind::Slider},
                      {IDC_FLAMES_WAVES, m_nWaveEnable, ControlKind::Slider},
                      {IDC_FLAMES_WAVE_SPEED, m_nWaveSpeed, ControlKind::Slider},
                      {IDC_FLAMES_WAVE_LENGTH, m_nWaveLength, ControlKind::Slider},
                      {IDC_FLAMES_SOUND, m_nSound, ControlKind::Check}},
                     pull);
}

INT_PTR CFlamesPage::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    const bool soundClicked = message == WM_COMMAND && LOWORD(wParam) == IDC_FLAMES_SOUND && HIWORD(wParam) == BN_CLICKED;
    if (message == WM_HSCROLL || soundClicked) return TakeChange();
    return CSettingsPage::OnMessage(message, wParam, lParam);
}

int CFlamesPage::LoadFromSettings(const SettingsReader& reader) {
    if (!ReadIntSettings(reader, {{SettingId::WaveLength, m_nWaveLength},
                                  {SettingId::WaveSpeed, m_nWaveSpeed},
                                  {SettingId::WaveEnable, m_nWaveEnable},
                                  {SettingId::BackgroundSoundEnable, m_nSound},
                                  {SettingId::TransitionOn, m_nTurbulence}}))
        return 0;
    UpdateData(false);
    NotifyChanged();
    return 1;
}

int CFlamesPage::StoreToSettings(SettingsWriter& writer) {
    UpdateData(true);
    return WriteIntSettings(writer, {{SettingId::WaveLength, m_nWaveLength},
                                     {SettingId::WaveSpeed, m_nWaveSpeed},
                                     {SettingId::WaveEnable, m_nWaveEnable},
                                     {SettingId::BackgroundSoundEnable, m_nSound},
                                     {SettingId::TransitionOn, m_nTurbulence}});
}
