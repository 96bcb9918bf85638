// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// SIGTERM and SIGINT ask the render loop to stop (SaverFlags().stopRequested),
// so a run that the screen saver host or the user ends still ends cleanly.
void InstallStopSignals();
