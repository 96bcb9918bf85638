// SPDX-License-Identifier: GPL-2.0-or-later
#include "settings/StoreFormat.h"

namespace {
const unsigned char kScrambleKey[5] = {0xA7, 0xE3, 0x9C, 0xD5, 0xB1};
}  // namespace

std::string PresetKeyPath(const std::string& presetName) {
    return presetName.empty() ? kPresetsKey : std::string(kPresetsKey) + "\\" + presetName;
}

std::string ScramblePassword(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size() && text[i] != '\0'; ++i) {
        const char scrambled = static_cast<char>(static_cast<unsigned char>(text[i]) ^ kScrambleKey[i % 5]);
        if (scrambled == '\0') break;
        out += scrambled;
    }
    return out;
}

bool IsStorablePassword(const std::string& password) {
    return password.size() <= kMaxPasswordLength && ScramblePassword(password).size() == password.size();
}
