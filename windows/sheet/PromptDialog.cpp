// SPDX-License-Identifier: GPL-2.0-or-later
#include "windows/sheet/PromptDialog.h"

#include "config/NameRules.h"
#include "windows/sheet/ConfigResource.h"
#include "platform/MessageBox.h"

CNameDialog::CNameDialog(int templateId, int editId, int maxLength, NameCheck check, std::string& text)
    : CDialogWindow(templateId), m_nEditId(editId), m_nMaxLength(maxLength), m_pCheck(check), m_Text(text) {}

BOOL CNameDialog::OnInitDialog() {
    SendDlgItemMessageA(m_hWnd, m_nEditId, EM_LIMITTEXT, static_cast<WPARAM>(m_nMaxLength), 0);
    SetDlgItemTextA(m_hWnd, m_nEditId, m_Text.c_str());
    return TRUE;
}

INT_PTR CNameDialog::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND && LOWORD(wParam) == IDOK) {
        const std::string typed = WindowText(Item(m_nEditId));
        std::string why;
        if (!m_pCheck(typed, why)) {
            ShowMessageBox(m_hWnd, why, MessageIcon::Exclamation);
            SetFocus(Item(m_nEditId));
            return TRUE;
        }
        m_Text = typed;
        EndDialog(m_hWnd, IDOK);
        return TRUE;
    }
    return CDialogWindow::OnMessage(message, wParam, lParam);
}

CPromptDialog::CPromptDialog(std::string& text, const std::string& caption, const std::string& prompt)
    : CNameDialog(IDD_PROMPT, IDC_PROMPT_EDIT, kMaxPresetNameLength, CheckPresetName, text), m_Caption(caption),
      m_Prompt(prompt) {}

BOOL CPromptDialog::OnInitDialog() {
    SetWindowTextA(m_hWnd, m_Caption.c_str());
    SetDlgItemTextA(m_hWnd, IDC_PROMPT_LABEL, m_Prompt.c_str());
    return CNameDialog::OnInitDialog();
}

CPaletteNameDialog::CPaletteNameDialog()
    : CNameDialog(IDD_PALETTE_NAME, IDC_PALETTE_NAME, kMaxPaletteNameLength, CheckPaletteName, m_strName),
      m_strName("New Palette") {}
