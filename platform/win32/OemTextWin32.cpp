// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/OemText.h"

#include <windows.h>

#include <vector>

OemText ConvertToOemText(const std::string& text) {
    char language[16] = {};
    const bool known = GetLocaleInfoA(LOCALE_SYSTEM_DEFAULT, LOCALE_ILANGUAGE | LOCALE_NOUSEROVERRIDE, language,
                                      sizeof language) != 0;
    OemText result{std::string(), known && IsCyrillicLanguageId(language) ? kCyrillicFontId : kWesternFontId};
    std::vector<char> oem(text.size() + 1);
    CharToOemA(text.c_str(), oem.data());
    result.text.assign(oem.data(), text.size());
    return result;
}
