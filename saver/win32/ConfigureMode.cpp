// SPDX-License-Identifier: GPL-2.0-or-later
#include "saver/win32/ConfigureMode.h"
#include "config/win32/ConfigDialog.h"

void RunConfiguration() { RunConfigurationSheet(nullptr); }
