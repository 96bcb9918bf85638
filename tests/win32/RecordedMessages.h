// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include <string>
#include <vector>

// The window tests show no message boxes: every message the code under test
// would show is recorded here instead, in order.
std::vector<std::string>& RecordedMessages();
