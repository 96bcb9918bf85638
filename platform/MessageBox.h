// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include <string>

enum class MessageIcon { None, Stop, Information, Exclamation };

// Shows a message the user must acknowledge, with an OK button, owned by
// `owner` (a window handle, or null). Where there is no desktop it goes to stderr.
void ShowMessageBox(void* owner, const std::string& text, MessageIcon icon);
