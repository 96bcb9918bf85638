// SPDX-License-Identifier: GPL-2.0-or-later
#include "windows/sheet/DialogWindow.h"
#include "windows/sheet/SharedBackground.h"

INT_PTR CDialogWindow::DoModal(HWND parent) {
    return DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(m_nTemplateId), parent, DialogProc,
                           reinterpret_cast<LPARAM>(this));
}

HWND CDialogWindow::CreateChild(HWND parent) {
    return CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(m_nTemplateId), parent, DialogProc,
                              reinterpret_cast<LPARAM>(this));
}

INT_PTR CDialogWindow::OnMessage(UINT message, WPARAM wParam, LPARAM) {
    // Plain dialogs close on OK and Cancel unless the derived class decides otherwise.
    if (message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) &&
        !(GetWindowLongA(m_hWnd, GWL_STYLE) & WS_CHILD)) {
        EndDialog(m_hWnd, LOWORD(wParam));
        return TRUE;
    }
    return FALSE;
}

INT_PTR CDialogWindow::Route(CDialogWindow* self, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (!self) return FALSE;
    if (message == WM_INITDIALOG) {
        self->m_hWnd = window;
        SetWindowLongPtrA(window, DWLP_USER, reinterpret_cast<LONG_PTR>(self));
        return self->OnInitDialog();
    }
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(window, DWLP_USER, 0);
        self->OnMessage(message, wParam, lParam);
        self->m_hWnd = nullptr;
        self->OnFinalMessage();
        return FALSE;
    }
    return self->OnMessage(message, wParam, lParam);
}

INT_PTR CALLBACK CDialogWindow::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = message == WM_INITDIALOG ? reinterpret_cast<CDialogWindow*>(lParam)
                                          : reinterpret_cast<CDialogWindow*>(GetWindowLongPtrA(window, DWLP_USER));
    return Route(self, window, message, wParam, lParam);
}

std::string WindowText(HWND window) {
    char text[1024] = {};
    if (window) GetWindowTextA(window, text, sizeof text);
    return text;
}

std::string LoadResourceString(int id) {
    char text[512] = {};
    LoadStringA(GetModuleHandleA(nullptr), static_cast<UINT>(id), text, sizeof text);
    return text;
}

bool CDialogWindow::HandleTexture(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) {
    switch (message) {
    case WM_ERASEBKGND:
        PaintAnchoredBackground(m_hWnd, reinterpret_cast<HDC>(wParam), GetAncestor(m_hWnd, GA_ROOT));
        SetMessageResult(1);
        result = TRUE;
        return true;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
        result = reinterpret_cast<INT_PTR>(
            TexturedControlColour(message, reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam)));
        return true;
    default:
        return false;
    }
}
