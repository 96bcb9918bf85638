// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/DisplaySize.h"

#include <windows.h>

DisplaySize GetDisplaySize() { return DisplaySize{GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}; }
