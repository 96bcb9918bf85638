// SPDX-License-Identifier: GPL-2.0-or-later
#include "saver/win32/PasswordDlg.h"
#include "platform/MessageBox.h"
#include "resources/win32/resource.h"
#include "settings/StoreFormat.h"
#include "settings/Settings.h"

#include <string>

INT_PTR CPasswordDlg::DoModal() {
    return DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_PASSWORD), m_hParent, DialogProc, 0);
}

INT_PTR CALLBACK CPasswordDlg::DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        SendDlgItemMessageA(dialog, IDC_PASSWORD, EM_LIMITTEXT, kMaxPasswordLength, 0);
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK) {
            char typed[kMaxPasswordLength + 1] = {};
            GetDlgItemTextA(dialog, IDC_PASSWORD, typed, sizeof typed);
            Settings settings;
            settings.Load();
            std::string stored;
            settings.GetString(SettingId::Password, stored);
            if (stored == typed) EndDialog(dialog, IDOK);
            else ShowMessageBox(dialog, "Invalid password.", MessageIcon::Stop);
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
