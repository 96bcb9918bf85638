// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include "windows/display/OkCancelDialog.h"
#include "settings/SettingsReader.h"

// Sets the saver's password in a record (dialog 146): both edits start with
// the current password; OK stores the new one when the two agree.
class CChangePasswordDlg : public COkCancelDialog {
public:
    CChangePasswordDlg(const SettingsReader& reader, SettingsWriter& writer, HWND parent);

private:
    void OnInit(HWND dialog) override;
    bool OnOk(HWND dialog) override;

    const SettingsReader& m_Reader;
    SettingsWriter& m_Writer;
};
