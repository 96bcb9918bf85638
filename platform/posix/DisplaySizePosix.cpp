// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/DisplaySize.h"

DisplaySize GetDisplaySize() { return DisplaySize{640, 480}; }
