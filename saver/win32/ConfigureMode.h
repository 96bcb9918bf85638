// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// Runs the configuration dialog modally (no switch, or /c).
void RunConfiguration();
