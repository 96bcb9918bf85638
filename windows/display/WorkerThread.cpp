// SPDX-License-Identifier: GPL-2.0-or-later
#include "windows/display/WorkerThread.h"

bool StartWorkerThread(ThreadBody body, void* argument) {
    HANDLE thread = CreateThread(nullptr, 0, body, argument, 0, nullptr);
    if (!thread) return false;
    CloseHandle(thread);
    return true;
}
