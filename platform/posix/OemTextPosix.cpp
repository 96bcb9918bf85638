// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/OemText.h"

#include <cstdlib>
#include <iconv.h>

namespace {
std::string LocaleName() {
    for (const char* variable : {"LC_ALL", "LC_CTYPE", "LANG"}) {
        const char* value = std::getenv(variable);
        if (value && *value) return value;
    }
    return "C";
}

// Length of the UTF-8 sequence starting with `lead`, or 0 for a byte that starts none.
std::size_t SequenceLength(unsigned char lead) {
    if (lead < 0x80) return 1;
    if ((lead & 0xE0) == 0xC0) return 2;
    if ((lead & 0xF0) == 0xE0) return 3;
    if ((lead & 0xF8) == 0xF0) return 4;
    return 0;
}
}  // namespace

OemText ConvertToOemText(const std::string& text) {
    const bool cyrillic = IsCyrillicLocaleName(LocaleName());
    OemText result{std::string(), cyrillic ? kCyrillicFontId : kWesternFontId};
    iconv_t converter = iconv_open(cyrillic ? "IBM866" : "IBM437", "UTF-8");
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = SequenceLength(static_cast<unsigned char>(text[i]));
        char out = '?';
        if (length == 1) {
            out = text[i];
        } else if (length > 1 && i + length <= text.size() && converter != reinterpret_cast<iconv_t>(-1)) {
            char in[4];
            text.copy(in, length, i);
            char* inPointer = in;
            char* outPointer = &out;
            std::size_t inLeft = length, outLeft = 1;
            if (iconv(converter, &inPointer, &inLeft, &outPointer, &outLeft) == static_cast<std::size_t>(-1) || outLeft)
                out = '?';
            iconv(converter, nullptr, nullptr, nullptr, nullptr);
        }
        result.text += out;
        i += length ? length : 1;
    }
    if (converter != reinterpret_cast<iconv_t>(-1)) iconv_close(converter);
    return result;
}
