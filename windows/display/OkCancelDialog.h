// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include "platform/NonCopyable.h"

#include <windows.h>

// A modal dialog of the program's resources that ends with IDOK when OnOk
// takes what was entered (it stays open otherwise) and with IDCANCEL on Cancel.
class COkCancelDialog : private NonCopyable {
public:
    COkCancelDialog(int templateId, HWND parent) : m_nTemplateId(templateId), m_hParent(parent) {}
    virtual ~COkCancelDialog() = default;

    // IDOK, IDCANCEL, or -1 when the dialog could not be shown.
    INT_PTR DoModal();

protected:
    virtual void OnInit(HWND dialog) = 0;
    virtual bool OnOk(HWND dialog) = 0;

private:
    static INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

    const int m_nTemplateId;
    HWND m_hParent;
};
