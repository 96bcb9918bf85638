#include "platform/MessageBox.h"

#include <cstdio>

void ShowMessageBox(void*, const std::string& text, MessageIcon) { std::fprintf(stderr, "emberlux: %s\n", text.c_str()); }
