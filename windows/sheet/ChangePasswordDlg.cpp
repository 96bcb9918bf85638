// SPDX-License-Identifier: GPL-2.0-or-later
#include "windows/sheet/ChangePasswordDlg.h"
#include "config/PasswordRules.h"
#include "platform/MessageBox.h"
#include "resources/win32/resource.h"
#include "settings/StoreFormat.h"
#include "settings/SettingIds.h"

#include <string>

CChangePasswordDlg::CChangePasswordDlg(const SettingsReader& reader, SettingsWriter& writer, HWND parent)
    : COkCancelDialog(IDD_CHANGE_PASSWORD, parent), m_Reader(reader), m_Writer(writer) {}

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
