// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/OemText.h"

#include <cctype>

namespace {
std::string Lower(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}
}  // namespace

bool IsCyrillicLanguageId(const std::string& hexLanguageId) {
    const std::string id = Lower(hexLanguageId);
    return id == "0419" || id == "0422" || id == "0423" || id == "0c1a";
}

bool IsCyrillicLocaleName(const std::string& localeName) {
    const std::string name = Lower(localeName);
    const std::string language = name.substr(0, name.find_first_of("_.@"));
    if (language == "sr") return name.find("@latin") == std::string::npos;
    return language == "ru" || language == "uk" || language == "be";
}
