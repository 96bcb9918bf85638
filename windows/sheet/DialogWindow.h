// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include "platform/NonCopyable.h"

#include <windows.h>

// A dialog from a template with its messages routed to a C++ object: shown
// modally, created as a modeless child (the sheet's left panel), or, through
// CTexturedPage, as a property-sheet page.
class CDialogWindow : private NonCopyable {
public:
    explicit CDialogWindow(int templateId) : m_nTemplateId(templateId) {}
    virtual ~CDialogWindow() = default;

    // Runs the dialog modally; IDOK, IDCANCEL or -1 when it could not be made.
    INT_PTR DoModal(HWND parent);
    // Creates the dialog as a child of `parent`; null when it could not be made.
    HWND CreateChild(HWND parent);

    HWND Handle() const { return m_hWnd; }
    HWND Item(int id) const { return m_hWnd ? GetDlgItem(m_hWnd, id) : nullptr; }

protected:
    // WM_INITDIALOG; FALSE from a modeless child ends its creation.
    virtual BOOL OnInitDialog() { return TRUE; }
    // Every other message; returns TRUE when handled (the dialog result of
    // messages that need one is set with SetMessageResult).
    virtual INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // Called for the message that ends the window (WM_NCDESTROY).
    virtual void OnFinalMessage() {}
    void SetMessageResult(LRESULT result) { SetWindowLongPtrA(m_hWnd, DWLP_MSGRESULT, result); }
    // Paints the shared marble behind the dialog and lets its labels and boxes
    // show it through; true (with `result`) when the message was one of those.
    bool HandleTexture(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result);

    // The shared dispatch of the dialog procedures: binds the object at
    // WM_INITDIALOG and forwards the rest.
    static INT_PTR Route(CDialogWindow* self, HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND m_hWnd = nullptr;
    const int m_nTemplateId;

private:
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
};

// Text of a window as a string (at most 1023 characters).
#include <string>
std::string WindowText(HWND window);
// A string resource of the program.
std::string LoadResourceString(int id);
