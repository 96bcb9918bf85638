// SPDX-License-Identifier: GPL-2.0-or-later
#include "config/win32/ChangePasswordDlg.h"
#include "config/PasswordRules.h"
#include "platform/MessageBox.h"
#include "resources/win32/resource.h"
#include "settings/StoreFormat.h"
#include "settings/SettingIds.h"

#include <string>

INT_PTR CChangePasswordDlg::DoModal() {
    return DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_CHANGE_PASSWORD), m_hParent, DialogProc,
                           reinterpret_cast<LPARAM>(this));
}

void CChangePasswordDlg::OnInit(HWND dialog) {
    std::string current;
    m_Reader.GetString(SettingId::Password, current);
    for (int edit : {IDC_CHANGE_NEW, IDC_CHANGE_CONFIRM}) {
        SendDlgItemMessageA(dialog, edit, EM_LIMITTEXT, kMaxPasswordLength, 0);
        SetDlgItemTextA(dialog, edit, current.c_str());
    }
}

bool CChangePasswordDlg::OnOk(HWND dialog) {
    char typed[kMaxPasswordLength + 1] = {}, confirmed[kMaxPasswordLength + 1] = {};
    GetDlgItemTextA(dialog, IDC_CHANGE_NEW, typed, sizeof typed);
    GetDlgItemTextA(dialog, IDC_CHANGE_CONFIRM, confirmed, sizeof confirmed);
    if (const char* refusal = PasswordRefusal(typed, confirmed)) {
        ShowMessageBox(dialog, refusal, MessageIcon::Stop);
        return false;
    }
    m_Writer.SetString(SettingId::Password, typed);
    ShowMessageBox(dialog, "The password has been successfully changed.", MessageIcon::Information);
    return true;
}

INT_PTR CALLBACK CChangePasswordDlg::DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<CChangePasswordDlg*>(GetWindowLongPtrA(dialog, DWLP_USER));
    switch (message) {
    case WM_INITDIALOG:
        SetWindowLongPtrA(dialog, DWLP_USER, lParam);
        reinterpret_cast<CChangePasswordDlg*>(lParam)->OnInit(dialog);
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK) {
            if (self->OnOk(dialog)) EndDialog(dialog, IDOK);
            return TRUE;
        }
        if (LOWORD(wParam) == IDCANCEL) {
            EndDialog(dialog, IDCANCEL);
            return TRUE;
        }
        break;
    }
    return FALSE;
}
