// SPDX-License-Identifier: GPL-2.0-or-later
#include "windows/display/OkCancelDialog.h"

INT_PTR COkCancelDialog::DoModal() {
    return DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(m_nTemplateId), m_hParent, DialogProc,
                           reinterpret_cast<LPARAM>(this));
}

INT_PTR CALLBACK COkCancelDialog::DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<COkCancelDialog*>(GetWindowLongPtrA(dialog, DWLP_USER));
    switch (message) {
    case WM_INITDIALOG:
        SetWindowLongPtrA(dialog, DWLP_USER, lParam);
        reinterpret_cast<COkCancelDialog*>(lParam)->OnInit(dialog);
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
