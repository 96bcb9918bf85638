// SPDX-License-Identifier: GPL-2.0-or-later
#include "linux/StopSignals.h"
#include "run/RenderLoop.h"

#include <csignal>

namespace {
static_assert(std::atomic<int>::is_always_lock_free, "the stop flag is set from a signal handler");

void RequestStop(int) { SaverFlags().stopRequested = 1; }
}  // namespace

void InstallStopSignals() {
    SaverFlags();  // the flags exist before a signal can arrive
    struct sigaction action {};
    action.sa_handler = RequestStop;
    sigemptyset(&action.sa_mask);
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
}
