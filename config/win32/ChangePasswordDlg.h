// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include "settings/SettingsReader.h"

#include <windows.h>

// Sets the saver's password in a record (dialog 146): both edits start with
// the current password; OK stores the new one when the two agree.
class CChangePasswordDlg {
public:
    CChangePasswordDlg(const SettingsReader& reader, SettingsWriter& writer, HWND parent)
        : m_Reader(reader), m_Writer(writer), m_hParent(parent) {}
    INT_PTR DoModal();

private:
    static INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
    void OnInit(HWND dialog);
    bool OnOk(HWND dialog);

    const SettingsReader& m_Reader;
    SettingsWriter& m_Writer;
    HWND m_hParent;
};
