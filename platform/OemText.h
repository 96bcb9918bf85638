// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include <string>

// The flaming text is drawn from an 8 x 16 font of an OEM code page: the
// Cyrillic one (866) on systems whose default language is Russian,
// Ukrainian, Belarusian or Serbian, the Western one (437) elsewhere.
constexpr int kCyrillicFontId = 158;
constexpr int kWesternFontId = 159;

struct OemText {
    std::string text;  // in the code page of the font
    int fontId;
};

// Converts a text of the system's code page (UTF-8 outside Windows) to the
// OEM code page of the font the system's default language chooses; characters
// the code page lacks become "?".
OemText ConvertToOemText(const std::string& text);

// Whether a Windows language identifier in hex ("0419") names a Cyrillic language.
bool IsCyrillicLanguageId(const std::string& hexLanguageId);

// Whether a POSIX locale name ("ru_RU.UTF-8", "sr_RS@latin") names a language written in Cyrillic.
bool IsCyrillicLocaleName(const std::string& localeName);
