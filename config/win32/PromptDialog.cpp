// SPDX-License-Identifier: GPL-2.0-or-later
#include "config/win32/PromptDialog.h"

#include "config/NameRules.h"
#include "config/win32/ConfigResource.h"
#include "platform/MessageBox.h"

CPromptDialog::CPromptDialog(std::string& text, const std::string& caption, const std::string& prompt)
    : CDialogWindow(IDD_PROMPT), m_Text(text), m_Caption(caption), m_Prompt(prompt) {}

BOOL CPromptDialog::OnInitDialog() {
    SetWindowTextA(m_hWnd, m_Caption.c_str());
    SetDlgItemTextA(m_hWnd, IDC_PROMPT_LABEL, m_Prompt.c_str());
    SendDlgItemMessageA(m_hWnd, IDC_PROMPT_EDIT, EM_LIMITTEXT, kMaxPresetNameLength, 0);
    SetDlgItemTextA(m_hWnd, IDC_PROMPT_EDIT, m_Text.c_str());
    return TRUE;
}

INT_PTR CPromptDialog::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND && LOWORD(wParam) == IDOK) {
        const std::string typed = WindowText(Item(IDC_PROMPT_EDIT));
        std::string why;
        if (!CheckPresetName(typed, why)) {
            ShowMessageBox(m_hWnd, why, MessageIcon::Exclamation);
            SetFocus(Item(IDC_PROMPT_EDIT));
            return TRUE;
        }
        m_Text = typed;
        EndDialog(m_hWnd, IDOK);
        return TRUE;
    }
    return CDialogWindow::OnMessage(message, wParam, lParam);
}

CPaletteNameDialog::CPaletteNameDialog() : CDialogWindow(IDD_PALETTE_NAME), m_strName("New Palette") {}

BOOL CPaletteNameDialog::OnInitDialog() {
    SendDlgItemMessageA(m_hWnd, IDC_PALETTE_NAME, EM_LIMITTEXT, kMaxPaletteNameLength, 0);
    SetDlgItemTextA(m_hWnd, IDC_PALETTE_NAME, m_strName.c_str());
    return TRUE;
}

INT_PTR CPaletteNameDialog::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND && LOWORD(wParam) == IDOK) {
        const std::string typed = WindowText(Item(IDC_PALETTE_NAME));
        std::string why;
        if (!CheckPaletteName(typed, why)) {
            ShowMessageBox(m_hWnd, why, MessageIcon::Exclamation);
            SetFocus(Item(IDC_PALETTE_NAME));
            return TRUE;
        }
        m_strName = typed;
        EndDialog(m_hWnd, IDOK);
        return TRUE;
    }
    return CDialogWindow::OnMessage(message, wParam, lParam);
}
