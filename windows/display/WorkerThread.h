// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include <windows.h>

using ThreadBody = DWORD(WINAPI*)(LPVOID argument);
// Starts `body(argument)` on a thread of its own that nobody joins: the flags
// it shares with its starter tell when it has ended. False when no thread
// could start.
using ThreadStarter = bool (*)(ThreadBody body, void* argument);

// The system's thread, at normal priority with the default stack.
bool StartWorkerThread(ThreadBody body, void* argument);
