// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include <windows.h>

// Registers a window class of this program; a class registered before counts.
inline bool RegisterWindowClass(const char* name, WNDPROC procedure, HCURSOR cursor) {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hCursor = cursor;
    windowClass.lpszClassName = name;
    return RegisterClassA(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

// The object a window belongs to: the creation parameter, attached at
// WM_NCCREATE (which also stores the handle in `handle`); null before that.
template <class T>
T* AttachedObject(HWND window, UINT message, LPARAM lParam, HWND T::*handle) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<T*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        self->*handle = window;
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    return reinterpret_cast<T*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

// Forgets the object at WM_NCDESTROY, after the default processing.
inline LRESULT DetachObject(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const LRESULT result = DefWindowProcA(window, message, wParam, lParam);
    SetWindowLongPtrA(window, GWLP_USERDATA, 0);
    return result;
}
