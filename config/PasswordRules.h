// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include <string>

// Why the change-password dialog refuses the new password `typed`, confirmed
// as `confirmed`: the message it shows, or null when it takes the password.
// A password is taken only when the store gives it back byte for byte, so
// that the user can always type back what ends the saver.
const char* PasswordRefusal(const std::string& typed, const std::string& confirmed);
