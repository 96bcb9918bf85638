// SPDX-License-Identifier: GPL-2.0-or-later
#include "config/PasswordRules.h"
#include "settings/Presets.h"
#include "settings/StoreFormat.h"

const char* PasswordRefusal(const std::string& typed, const std::string& confirmed) {
    if (typed != confirmed) return "The new and confirmed passwords do not match. Please type them again.";
    // Some accented letters would be lost when the password is stored.
    if (!IsStorablePassword(typed))
        return "This password contains a character that cannot be stored. Please choose another one.";
    if (!PasswordComesBack(typed))
        return "This password would not be read back as typed with this system's language settings. Please choose "
               "another one; the old password is kept.";
    return nullptr;
}
