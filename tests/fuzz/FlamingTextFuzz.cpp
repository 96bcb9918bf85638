// SPDX-License-Identifier: GPL-2.0-or-later
// Flaming text of any bytes: through the conversion to the font's OEM code
// page (a Western and a Cyrillic system language) and the glyph lookup, then
// drawn for a few frames on a small field with any options.
#include "engine/FlamingText.h"
#include "engine/SharedEngineState.h"
#include "platform/OemText.h"
#include "tests/FieldSource.h"
#include "tests/fuzz/FuzzInput.h"

#include <algorithm>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    setenv("LC_ALL", input.Byte() & 1 ? "ru_RU.UTF-8" : "en_US.UTF-8", 1);
    // A field in a new run for every input: a fresh line-switch counter and table.
    FieldSource field(1, 1 + input.Byte() % 64, 2 + input.Byte() % 47);
    FlamingTextOptions options{input.Setting(), input.Setting(), input.Setting(), input.Setting()};
    field.Shared().random.SetCursor(input.Word());
    const OemText oem = ConvertToOemText(input.Rest());
    if (oem.fontId != kCyrillicFontId && oem.fontId != kWesternFontId) std::abort();
    CFlamingText text(&field, oem.text, oem.fontId, options);
    text.Start();
    for (int frame = 0; frame < 4; ++frame) {
        text.Advance();
        text.Draw();
    }
    const auto spareRow = field.field.begin() + static_cast<std::ptrdiff_t>(field.width) * field.height;
    if (std::any_of(spareRow, field.field.end(), [](std::uint8_t heat) { return heat != 0; })) std::abort();
    return 0;
}
