// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/MessageBox.h"

#include <windows.h>

void ShowMessageBox(void* owner, const std::string& text, MessageIcon icon) {
    UINT style = MB_OK;
    switch (icon) {
    case MessageIcon::Stop: style |= MB_ICONHAND; break;
    case MessageIcon::Information: style |= MB_ICONINFORMATION; break;
    case MessageIcon::Exclamation: style |= MB_ICONEXCLAMATION; break;
    case MessageIcon::None: break;
    }
    MessageBoxA(static_cast<HWND>(owner), text.c_str(), "Emberlux!", style);
}
