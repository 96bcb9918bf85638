// SPDX-License-Identifier: GPL-2.0-or-later
// Palette files as users keep them: any bytes read into a palette, which
// writes back as the file's first 768 bytes (a short file padded with 255).
#include "palette/PaletteFile.h"
#include "tests/fuzz/FuzzInput.h"

#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string path = FuzzFile("input.pal", data, size);
    FirePalette palette;
    std::memset(&palette, 0x5A, sizeof palette);
    if (!ReadPalette(palette, path)) std::abort();
    const std::string copy = FuzzFolder() + "copy.pal";
    if (!WritePaletteFile(copy, palette, PaletteWriteMode::NewFile)) return 0;
    FirePalette reread;
    std::memset(&reread, 0x5A, sizeof reread);
    if (!ReadPalette(reread, copy) || std::memcmp(&palette, &reread, sizeof palette) != 0) std::abort();
    for (std::size_t k = 0; k < static_cast<std::size_t>(kPaletteFileSize); ++k) {
        const PaletteEntry& entry = palette.entries[k / 3];
        const std::uint8_t byte = k % 3 == 0 ? entry.red : k % 3 == 1 ? entry.green : entry.blue;
        if (byte != (k < size ? data[k] : 255) || entry.spare != 0x5A) std::abort();
    }
    return 0;
}
