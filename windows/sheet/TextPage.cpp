// SPDX-License-Identifier: GPL-2.0-or-later
#include "windows/sheet/TextPage.h"

#include "config/PageRules.h"
#include "windows/sheet/ConfigResource.h"
#include "windows/sheet/DataExchange.h"
#include "windows/sheet/ToolbarStrip.h"
#include "platform/MessageBox.h"
#include "settings/SettingIds.h"

#include <vector>

CTextPage::CTextPage(const SettingsReader& reader, SettingsWriter& writer)
    : CSettingsPage(reader, writer, IDD_TEXT_PAGE, IDS_TAB_TEXT) {}

bool CTextPage::SetUpControls() {
    static const int kCommands[] = {IDC_TEXT_ADD, IDC_TEXT_DEL};
    m_hToolbar = CreateToolbarStrip(m_hWnd, IDC_TEXT_TOOLBAR, IDB_TOOLBAR_TEXT, kCommands, 2);
    if (!m_hToolbar) return false;
    SendDlgItemMessageA(m_hWnd, IDC_TEXT_FIELD, EM_LIMITTEXT, kMaxFireTextLength - 1, 0);
    SetUpSlider(m_hWnd, IDC_TEXT_SPEED, SettingId::FireTextSpeed, 25, false);
    return true;
}

int CTextPage::ListCount() const {
    const LRESULT count = SendDlgItemMessageA(m_hWnd, IDC_TEXT_LIST, LB_GETCOUNT, 0, 0);
    return count == LB_ERR ? 0 : static_cast<int>(count);
}

static std::string ListItem(HWND list, int index) {
    const LRESULT length = SendMessageA(list, LB_GETTEXTLEN, index, 0);
    if (length == LB_ERR || length < 0) return {};
    std::vector<char> text(static_cast<std::size_t>(length) + 1, '\0');
    SendMessageA(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(text.data()));
    return text.data();
}

void CTextPage::Exchange(bool pull) {
    ExchangeControls(m_hWnd,
                     {{IDC_TEXT_ENABLE, m_nEnable, ControlKind::Check},
                      {IDC_TEXT_SPEED, m_nSpeed, ControlKind::Slider},
                      {IDC_TEXT_BURNING, m_nBurnType, ControlKind::Radio, 3},
                      {IDC_TEXT_LINE, m_nOrbit, ControlKind::Radio, 3},
                      {IDC_TEXT_SERIAL, m_nSequence, ControlKind::Radio, 2}},
                     pull);
    HWND list = Item(IDC_TEXT_LIST);
    if (pull) {
        std::vector<std::string> lines;
        for (int k = 0; k < ListCount(); ++k) lines.push_back(ListItem(list, k));
        m_strText = LinesToFireText(lines);
        return;
    }
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    for (const std::string& line : FireTextToLines(m_strText))
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
}

void CTextPage::RefreshLabels() {
    if (!m_hWnd) return;
    UpdateData(true);
    SetItemText(m_hWnd, IDC_TEXT_SPEED_LABEL, FormatValueLabel(m_nSpeed).c_str());
    EnableToolButton(m_hToolbar, IDC_TEXT_DEL, ListCount() > 0);
    EnableToolButton(m_hToolbar, IDC_TEXT_ADD, GetWindowTextLengthA(Item(IDC_TEXT_FIELD)) > 0);
}

void CTextPage::ApplyEnableRule() {
    if (!m_hWnd) return;
    const bool enable = m_nEnable == 1;
    for (int id : {IDC_TEXT_LIST, IDC_TEXT_FIELD, IDC_TEXT_SPEED, IDC_TEXT_BURNING, IDC_TEXT_GOLDEN, IDC_TEXT_SMOKING,
                   IDC_TEXT_LINE, IDC_TEXT_RING, IDC_TEXT_ARBITRARY, IDC_TEXT_SERIAL, IDC_TEXT_RANDOM,
                   IDC_TEXT_SPEED_LABEL})
        EnableItem(m_hWnd, id, enable);
    InvalidateRect(m_hWnd, nullptr, TRUE);
}

void CTextPage::OnSelectionChanged() {
    const int count = ListCount();
    EnableToolButton(m_hToolbar, IDC_TEXT_DEL, count > 0);
    if (count == 0) return;
    const LRESULT selected = SendDlgItemMessageA(m_hWnd, IDC_TEXT_LIST, LB_GETCURSEL, 0, 0);
    if (selected != LB_ERR)
        SetDlgItemTextA(m_hWnd, IDC_TEXT_FIELD, ListItem(Item(IDC_TEXT_LIST), static_cast<int>(selected)).c_str());
}

void CTextPage::OnAdd() {
    const std::string typed = WindowText(Item(IDC_TEXT_FIELD));
    if (!typed.empty()) {
        UpdateData(true);
        // The record keeps at most 255 bytes of text for all lines together.
        if (!FitsInFireText(FireTextToLines(m_strText), typed)) {
            ShowMessageBox(m_hWnd, "The text lines are too long together (at most 255 characters).",
                           MessageIcon::Exclamation);
            return;
        }
        SendDlgItemMessageA(m_hWnd, IDC_TEXT_LIST, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(typed.c_str()));
        SetDlgItemTextA(m_hWnd, IDC_TEXT_FIELD, "");
        UpdateData(true);
        NotifyChanged();
    }
    OnSelectionChanged();
}

void CTextPage::OnDelete() {
    const LRESULT caret = SendDlgItemMessageA(m_hWnd, IDC_TEXT_LIST, LB_GETCARETINDEX, 0, 0);
    if (caret != LB_ERR && caret >= 0 && caret < ListCount()) {
        SendDlgItemMessageA(m_hWnd, IDC_TEXT_LIST, LB_DELETESTRING, caret, 0);
        UpdateData(true);
    }
    NotifyChanged();
    OnSelectionChanged();
}

bool CTextPage::OnOK() {
    const LRESULT selected = SendDlgItemMessageA(m_hWnd, IDC_TEXT_LIST, LB_GETCURSEL, 0, 0);
    if (selected != LB_ERR) {
        const std::string typed = WindowText(Item(IDC_TEXT_FIELD));
        if (typed != ListItem(Item(IDC_TEXT_LIST), static_cast<int>(selected))) OnAdd();
    }
    return CSettingsPage::OnOK();
}

INT_PTR CTextPage::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_HSCROLL) {
        RefreshLabels();
        NotifyChanged();
        return TRUE;
    }
    if (message == WM_COMMAND) {
        const int id = LOWORD(wParam), code = HIWORD(wParam);
        switch (id) {
        case IDC_TEXT_ENABLE:
            if (code != BN_CLICKED) break;
            RefreshLabels();
            ApplyEnableRule();
            NotifyChanged();
            return TRUE;
        case IDC_TEXT_SERIAL:
        case IDC_TEXT_RANDOM:
        case IDC_TEXT_BURNING:
        case IDC_TEXT_GOLDEN:
        case IDC_TEXT_SMOKING:
        case IDC_TEXT_LINE:
        case IDC_TEXT_RING:
        case IDC_TEXT_ARBITRARY:
            if (code != BN_CLICKED) break;
            NotifyChanged();
            return TRUE;
        case IDC_TEXT_FIELD:
            if (code != EN_CHANGE) break;
            EnableToolButton(m_hToolbar, IDC_TEXT_ADD, GetWindowTextLengthA(Item(IDC_TEXT_FIELD)) > 0);
            return TRUE;
        case IDC_TEXT_LIST:
            if (code != LBN_SELCHANGE) break;
            OnSelectionChanged();
            return TRUE;
        case IDC_TEXT_ADD:
            OnAdd();
            return TRUE;
        case IDC_TEXT_DEL:
            OnDelete();
            return TRUE;
        }
    }
    return CSettingsPage::OnMessage(message, wParam, lParam);
}

int CTextPage::LoadFromSettings(const SettingsReader& reader) {
    if (!ReadIntSettings(reader, {{SettingId::FireTextEnable, m_nEnable},
                                  {SettingId::FireTextSpeed, m_nSpeed},
                                  {SettingId::FireTextBurnType, m_nBurnType},
                                  {SettingId::FireTextOrbit, m_nOrbit},
                                  {SettingId::TextSequence, m_nSequence}}) ||
        !reader.GetString(SettingId::FireText, m_strText))
        return 0;
    if (m_strText.empty()) m_nEnable = 0;
    UpdateData(false);
    RefreshLabels();
    ApplyEnableRule();
    return 1;
}

int CTextPage::StoreToSettings(SettingsWriter& writer) {
    UpdateData(true);
    if (!WriteIntSettings(writer, {{SettingId::FireTextSpeed, m_nSpeed},
                                   {SettingId::FireTextBurnType, m_nBurnType},
                                   {SettingId::FireTextOrbit, m_nOrbit},
                                   {SettingId::TextSequence, m_nSequence}}))
        return 0;
    if (m_strText.empty()) m_nEnable = 0;
    const int enableStored = writer.SetInt(SettingId::FireTextEnable, m_nEnable);
    const int textStored = writer.SetString(SettingId::FireText, m_strText);
    return enableStored && textStored ? 1 : 0;
}
