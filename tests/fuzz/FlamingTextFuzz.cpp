// Flaming text of any bytes: through the conversion to the font's OEM code
// page (a Western and a Cyrillic system language) and the glyph lookup, then
// drawn for a few frames on a small field with any options.
#include "engine/FlamingText.h"
#include "engine/RandomTable.h"
#include "platform/OemText.h"
#include "tests/fuzz/FuzzInput.h"

#include <cstdlib>
#include <vector>

namespace {
class Field : public CFrameSource {
public:
    Field(int width, int height) : m_nWidth(width), m_nHeight(height), m_Pixels(std::size_t(width) * (height + 1)) {}
    int GetBuffer(int which, std::uint8_t** buffer, int* width, int* height, int* flag) override {
        if (which != FireField) return 1;
        if (buffer) *buffer = m_Pixels.data();
        if (width) *width = m_nWidth;
        if (height) *height = m_nHeight;
        if (flag) *flag = 1;
        return 1;
    }
    CSoundPlayer* GetSoundPlayer() override { return nullptr; }
    bool SpareRowIsClear() const {
        for (std::size_t i = std::size_t(m_nWidth) * m_nHeight; i < m_Pixels.size(); ++i)
            if (m_Pixels[i]) return false;
        return true;
    }

private:
    int m_nWidth, m_nHeight;
    std::vector<std::uint8_t> m_Pixels;
};
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    setenv("LC_ALL", input.Byte() & 1 ? "ru_RU.UTF-8" : "en_US.UTF-8", 1);
    Field field(1 + input.Byte() % 64, 2 + input.Byte() % 47);
    FlamingTextOptions options{input.Setting(), input.Setting(), input.Setting(), input.Setting()};
    RandomTable::SetCursor(input.Word());
    const OemText oem = ConvertToOemText(input.Rest());
    if (oem.fontId != kCyrillicFontId && oem.fontId != kWesternFontId) std::abort();
    ResetLineSwitchCounter();
    CFlamingText text(&field, oem.text, oem.fontId, options);
    text.Start();
    for (int frame = 0; frame < 4; ++frame) {
        text.Advance();
        text.Draw();
    }
    if (!field.SpareRowIsClear()) std::abort();
    return 0;
}
