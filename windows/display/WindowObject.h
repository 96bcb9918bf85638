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

// The window procedure of a class whose objects each own a window: the
// object is the creation parameter, attached at WM_NCCREATE (which also
// stores the handle in its m_hWnd); its OnMessage answers every message from
// then on, and at WM_NCDESTROY, after the default processing, the object is
// forgotten and its OnNcDestroy runs (which may delete it). The class makes
// this procedure its friend.
template <class T>
LRESULT CALLBACK ObjectWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* created = static_cast<T*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        created->m_hWnd = window;
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created));
    }
    T* self = reinterpret_cast<T*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!self) return DefWindowProcA(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        const LRESULT result = DefWindowProcA(window, message, wParam, lParam);
        SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        self->OnNcDestroy();
        return result;
    }
    return self->OnMessage(message, wParam, lParam);
}

// Where an object that deletes itself with its window says that it has gone.
// When CreateWindowEx fails after the window was made (its WM_CREATE returned
// -1), WM_NCDESTROY has already deleted the object: only a flag kept outside
// the object can tell its creator so, never the object's freed memory.
class DeletionNotice {
public:
    // At WM_NCDESTROY, just before the object deletes itself.
    void ObjectDeleted() {
        if (m_pDeleted) *m_pDeleted = true;
    }

    // Runs `create` (true when the window was made) for `object`, whose member
    // `notice` is this notice. On failure the object is gone either way: it
    // went with its window, or it is deleted here.
    template <class T, class Create>
    static bool CreateOrDelete(T* object, DeletionNotice T::*notice, Create create) {
        bool deleted = false;
        (object->*notice).m_pDeleted = &deleted;
        if (create()) {
            (object->*notice).m_pDeleted = nullptr;
            return true;
        }
        if (!deleted) delete object;
        return false;
    }

private:
    bool* m_pDeleted = nullptr;
};
