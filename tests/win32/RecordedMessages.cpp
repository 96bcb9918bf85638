// SPDX-License-Identifier: GPL-2.0-or-later
// Stands in for the platform's message box in the window tests, where a box
// would wait for a click that never comes.
#include "platform/MessageBox.h"
#include "tests/win32/RecordedMessages.h"

std::vector<std::string>& RecordedMessages() {
    static std::vector<std::string> messages;
    return messages;
}

void ShowMessageBox(void*, const std::string& text, MessageIcon) { RecordedMessages().push_back(text); }
