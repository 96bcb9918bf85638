// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include "engine/SharedEngineState.h"

#include <windows.h>

// The /p run: a silent preview of the stored settings filling the client
// area of the host's window `parent`, which ends the message loop when it
// goes. False when no preview could be made (after a message when memory ran
// out): the process then ends.
bool StartPreviewRun(HWND parent, SharedEngineState& shared);
