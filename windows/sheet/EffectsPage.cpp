// SPDX-License-Identifier: GPL-2.0-or-later
#include "windows/sheet/EffectsPage.h"

#include "config/PageRules.h"
#include "windows/sheet/ConfigResource.h"
#include "windows/sheet/DataExchange.h"
#include "settings/SettingIds.h"

#include <commctrl.h>

#include <array>

CEffectsPage::CEffectsPage(const SettingsReader& reader, SettingsWriter& writer)
    : CSettingsPage(reader, writer, IDD_EFFECTS_PAGE, IDS_TAB_EFFECTS) {}

bool CEffectsPage::SetUpControls() {
    SetUpSliders(m_hWnd, {{IDC_EFFECTS_FIREWORKS, SettingId::FireWorkCount, 2},
                          {IDC_EFFECTS_SIZE_MIN, SettingId::FireBallInFireWorkMin, 10},
                          {IDC_EFFECTS_SIZE_MAX, SettingId::FireBallInFireWorkMax, 10},
                          {IDC_EFFECTS_FIREBALLS, SettingId::FireBallCount, 2}});
    return true;
}

void CEffectsPage::Exchange(bool pull) {
    ExchangeControls(m_hWnd,
                     {{IDC_EFFECTS_FIREBALLS, m_nFireBalls, ControlKind::Slider},
                      {IDC_EFFECTS_FIREWORKS, m_nFireWorks, ControlKind::Slider},
                      {IDC_EFFECTS_SIZE_MAX, m_nSizeMax, ControlKind::Slider},
                      {IDC_EFFECTS_SIZE_MIN, m_nSizeMin, ControlKind::Slider},
                      {IDC_EFFECTS_SOUND, m_nSound, ControlKind::Check},
                      {IDC_EFFECTS_NEW_YEAR, m_nNewYear, ControlKind::Check},
                      {IDC_EFFECTS_PAPER, m_nPaper, ControlKind::Check}},
                     pull);
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
        if (id == IDC_EFFECTS_NEW_YEAR || id == IDC_EFFECTS_SOUND || id == IDC_EFFECTS_PAPER) return TakeChange();
    }
    return CSettingsPage::OnMessage(message, wParam, lParam);
}

int CEffectsPage::LoadFromSettings(const SettingsReader& reader) {
    // Each read stands on its own: a refused one keeps the member's value.
    const auto members = Members();
    ReadIntSettings(reader, members.data(), members.size(), true);
    UpdateData(false);
    RefreshLabels();
    NotifyChanged();
    return 1;
}

int CEffectsPage::StoreToSettings(SettingsWriter& writer) {
    UpdateData(true);
    const auto members = Members();
    return WriteIntSettings(writer, members.data(), members.size(), true);
}

std::array<IntSetting, 7> CEffectsPage::Members() {
    return {{{SettingId::FireBallCount, m_nFireBalls},
             {SettingId::FireWorkCount, m_nFireWorks},
             {SettingId::FireBallInFireWorkMax, m_nSizeMax},
             {SettingId::FireBallInFireWorkMin, m_nSizeMin},
             {SettingId::ExplosionSoundEnable, m_nSound},
             {SettingId::OlympicRings, m_nNewYear},
             {SettingId::PaperBurn, m_nPaper}}};
}
