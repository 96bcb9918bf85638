// SPDX-License-Identifier: GPL-2.0-or-later
#include "windows/saver/PasswordDlg.h"
#include "platform/MessageBox.h"
#include "resources/win32/resource.h"
#include "settings/Settings.h"
#include "settings/StoreFormat.h"

#include <string>

CPasswordDlg::CPasswordDlg(HWND parent) : COkCancelDialog(IDD_PASSWORD, parent) {}

void CPasswordDlg::OnInit(HWND dialog) { SendDlgItemMessageA(dialog, IDC_PASSWORD, EM_LIMITTEXT, kMaxPasswordLength, 0); }

bool CPasswordDlg::OnOk(HWND dialog) {
    char typed[kMaxPasswordLength + 1] = {};
    GetDlgItemTextA(dialog, IDC_PASSWORD, typed, sizeof typed);
    Settings settings;
    settings.Load();
    if (StringOf(settings, SettingId::Password) == typed) return true;
    ShowMessageBox(dialog, "Invalid password.", MessageIcon::Stop);
    return false;
}
