// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include "windows/display/OkCancelDialog.h"

// Asks for the saver's password before the full-screen run ends (dialog 145):
// IDOK when the typed password matches the stored one exactly, IDCANCEL otherwise.
class CPasswordDlg : public COkCancelDialog {
public:
    explicit CPasswordDlg(HWND parent);

private:
    void OnInit(HWND dialog) override;
    bool OnOk(HWND dialog) override;
};
