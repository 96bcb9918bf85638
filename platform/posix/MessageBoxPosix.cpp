// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/MessageBox.h"

#include <cstdio>

void ShowMessageBox(void*, const std::string& text, MessageIcon) { std::fprintf(stderr, "emberlux: %s\n", text.c_str()); }
