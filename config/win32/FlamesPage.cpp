// SPDX-License-Identifier: GPL-2.0-or-later
#include "config/win32/FlamesPage.h"

#include "config/win32/ConfigResource.h"
#include "config/win32/DataExchange.h"
#include "settings/SettingIds.h"

CFlamesPage::CFlamesPage(const SettingsReader& reader, SettingsWriter& writer)
    : CSettingsPage(reader, writer, IDD_FLAMES_PAGE, IDS_TAB_FLAMES) {}

BOOL CFlamesPage::OnInitDialog() {
    CSettingsPage::OnInitDialog();
    SetUpSlider(m_hWnd, IDC_FLAMES_TURBULENCE, SettingId::TransitionOn, 1, false);
    SetUpSlider(m_hWnd, IDC_FLAMES_WAVES, SettingId::WaveEnable, 1, false);
    SetUpSlider(m_hWnd, IDC_FLAMES_WAVE_SPEED, SettingId::WaveSpeed, 10, false);
    SetUpSlider(m_hWnd, IDC_FLAMES_WAVE_LENGTH, SettingId::WaveLength, 20, false);
    LoadFromSettings(*m_pReader);
    return TRUE;
}

void CFlamesPage::Exchange(bool pull) {
    ExchangeSlider(m_hWnd, IDC_FLAMES_TURBULENCE, m_nTurbulence, pull);
    ExchangeSlider(m_hWnd, IDC_FLAMES_WAVES, m_nWaveEnable, pull);
    ExchangeSlider(m_hWnd, IDC_FLAMES_WAVE_SPEED, m_nWaveSpeed, pull);
    ExchangeSlider(m_hWnd, IDC_FLAMES_WAVE_LENGTH, m_nWaveLength, pull);
    ExchangeCheck(m_hWnd, IDC_FLAMES_SOUND, m_nSound, pull);
}

INT_PTR CFlamesPage::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_HSCROLL) {
        UpdateData(true);
        NotifyChanged();
        return TRUE;
    }
    if (message == WM_COMMAND && LOWORD(wParam) == IDC_FLAMES_SOUND && HIWORD(wParam) == BN_CLICKED) {
        UpdateData(true);
        NotifyChanged();
        return TRUE;
    }
    return CSettingsPage::OnMessage(message, wParam, lParam);
}

int CFlamesPage::LoadFromSettings(const SettingsReader& reader) {
    if (!reader.GetInt(SettingId::WaveLength, m_nWaveLength) || !reader.GetInt(SettingId::WaveSpeed, m_nWaveSpeed) ||
        !reader.GetInt(SettingId::WaveEnable, m_nWaveEnable) ||
        !reader.GetInt(SettingId::BackgroundSoundEnable, m_nSound) ||
        !reader.GetInt(SettingId::TransitionOn, m_nTurbulence))
        return 0;
    UpdateData(false);
    NotifyChanged();
    return 1;
}

int CFlamesPage::StoreToSettings(SettingsWriter& writer) {
    UpdateData(true);
    if (!writer.SetInt(SettingId::WaveLength, m_nWaveLength) || !writer.SetInt(SettingId::WaveSpeed, m_nWaveSpeed) ||
        !writer.SetInt(SettingId::WaveEnable, m_nWaveEnable) ||
        !writer.SetInt(SettingId::BackgroundSoundEnable, m_nSound) ||
        !writer.SetInt(SettingId::TransitionOn, m_nTurbulence))
        return 0;
    return 1;
}
