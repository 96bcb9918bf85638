// SPDX-License-Identifier: GPL-2.0-or-later
#include "config/win32/EffectsPage.h"

#include "config/PageRules.h"
#include "config/win32/ConfigResource.h"
#include "config/win32/DataExchange.h"
#include "settings/SettingIds.h"

#include <commctrl.h>

CEffectsPage::CEffectsPage(const SettingsReader& reader, SettingsWriter& writer)
    : CSettingsPage(reader, writer, IDD_EFFECTS_PAGE, IDS_TAB_EFFECTS) {}

BOOL CEffectsPage::OnInitDialog() {
    CSettingsPage::OnInitDialog();
    SetUpSlider(m_hWnd, IDC_EFFECTS_FIREWORKS, SettingId::FireWorkCount, 2, false);
    SetUpSlider(m_hWnd, IDC_EFFECTS_SIZE_MIN, SettingId::FireBallInFireWorkMin, 10, false);
    SetUpSlider(m_hWnd, IDC_EFFECTS_SIZE_MAX, SettingId::FireBallInFireWorkMax, 10, false);
    SetUpSlider(m_hWnd, IDC_EFFECTS_FIREBALLS, SettingId::FireBallCount, 2, false);
    LoadFromSettings(*m_pReader);
    return TRUE;
}

void CEffectsPage::Exchange(bool pull) {
    ExchangeSlider(m_hWnd, IDC_EFFECTS_FIREBALLS, m_nFireBalls, pull);
    ExchangeSlider(m_hWnd, IDC_EFFECTS_FIREWORKS, m_nFireWorks, pull);
    ExchangeSlider(m_hWnd, IDC_EFFECTS_SIZE_MAX, m_nSizeMax, pull);
    ExchangeSlider(m_hWnd, IDC_EFFECTS_SIZE_MIN, m_nSizeMin, pull);
    ExchangeCheck(m_hWnd, IDC_EFFECTS_SOUND, m_nSound, pull);
    ExchangeCheck(m_hWnd, IDC_EFFECTS_NEW_YEAR, m_nNewYear, pull);
    ExchangeCheck(m_hWnd, IDC_EFFECTS_PAPER, m_nPaper, pull);
}

void CEffectsPage::RefreshLabels() {
    UpdateData(true);
    SetItemText(m_hWnd, IDC_EFFECTS_SIZE_LABEL, FormatRangeLabel(m_nSizeMin, m_nSizeMax).c_str());
    for (int id : {IDC_EFFECTS_SIZE_MIN, IDC_EFFECTS_SIZE_MAX}) {
        SendDlgItemMessageA(m_hWnd, id, TBM_SETSEL, FALSE, MAKELPARAM(m_nSizeMin, m_nSizeMax));
        InvalidateRect(Item(id), nullptr, FALSE);
    }
    SetItemText(m_hWnd, IDC_EFFECTS_FIREWORKS_LABEL, FormatValueLabel(m_nFireWorks).c_str());
    SetItemText(m_hWnd, IDC_EFFECTS_FIREBALLS_LABEL, FormatValueLabel(m_nFireBalls).c_str());
}

INT_PTR CEffectsPage::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_HSCROLL) {
        const HWND slider = reinterpret_cast<HWND>(lParam);
        const bool minimumMoved = slider == Item(IDC_EFFECTS_SIZE_MIN);
        if (minimumMoved || slider == Item(IDC_EFFECTS_SIZE_MAX)) {
            int minimum = SliderPosition(m_hWnd, IDC_EFFECTS_SIZE_MIN);
            int maximum = SliderPosition(m_hWnd, IDC_EFFECTS_SIZE_MAX);
            ApplyMinMaxRule(minimumMoved, minimum, maximum);
            SetSliderPosition(m_hWnd, IDC_EFFECTS_SIZE_MIN, minimum);
            SetSliderPosition(m_hWnd, IDC_EFFECTS_SIZE_MAX, maximum);
        }
        RefreshLabels();
        NotifyChanged();
        return TRUE;
    }
    if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
        const int id = LOWORD(wParam);
        if (id == IDC_EFFECTS_NEW_YEAR || id == IDC_EFFECTS_SOUND || id == IDC_EFFECTS_PAPER) {
            UpdateData(true);
            NotifyChanged();
            return TRUE;
        }
    }
    return CSettingsPage::OnMessage(message, wParam, lParam);
}

int CEffectsPage::LoadFromSettings(const SettingsReader& reader) {
    // Each read stands on its own: a refused one keeps the member's value.
    reader.GetInt(SettingId::FireBallCount, m_nFireBalls);
    reader.GetInt(SettingId::FireWorkCount, m_nFireWorks);
    reader.GetInt(SettingId::FireBallInFireWorkMax, m_nSizeMax);
    reader.GetInt(SettingId::FireBallInFireWorkMin, m_nSizeMin);
    reader.GetInt(SettingId::ExplosionSoundEnable, m_nSound);
    reader.GetInt(SettingId::OlympicRings, m_nNewYear);
    reader.GetInt(SettingId::PaperBurn, m_nPaper);
    UpdateData(false);
    RefreshLabels();
    NotifyChanged();
    return 1;
}

int CEffectsPage::StoreToSettings(SettingsWriter& writer) {
    UpdateData(true);
    writer.SetInt(SettingId::FireBallCount, m_nFireBalls);
    writer.SetInt(SettingId::FireWorkCount, m_nFireWorks);
    writer.SetInt(SettingId::FireBallInFireWorkMax, m_nSizeMax);
    writer.SetInt(SettingId::FireBallInFireWorkMin, m_nSizeMin);
    writer.SetInt(SettingId::ExplosionSoundEnable, m_nSound);
    writer.SetInt(SettingId::OlympicRings, m_nNewYear);
    writer.SetInt(SettingId::PaperBurn, m_nPaper);
    return 1;
}
