// SPDX-License-Identifier: GPL-2.0-or-later
#include "palette/PaletteFile.h"
#include "platform/Resources.h"

#include <cmath>
#include <cstdio>

namespace {
void SetColourByte(FirePalette& palette, int k, std::uint8_t value) {
    PaletteEntry& entry = palette.entries[k / 3];
    switch (k % 3) {
    case 0: entry.red = value; break;
    case 1: entry.green = value; break;
    default: entry.blue = value; break;
    }
}

std::uint8_t ColourByte(const FirePalette& palette, int k) {
    const PaletteEntry& entry = palette.entries[k / 3];
    return k % 3 == 0 ? entry.red : k % 3 == 1 ? entry.green : entry.blue;
}
}  // namespace

int ReadPalette(FirePalette& dest, const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return 0;
    for (int k = 0; k < kPaletteFileSize; ++k)
        SetColourByte(dest, k, static_cast<std::uint8_t>(std::fgetc(file)));
    std::fclose(file);
    return 1;
}

int ReadPalette(FirePalette& dest, int resourceId) {
    ResourceData data{};
    if (!FindBuiltInResource("PALETTE", resourceId, data)) return 0;
    for (int k = 0; k < kPaletteFileSize; ++k)
        SetColourByte(dest, k, static_cast<std::size_t>(k) < data.size ? data.bytes[k] : 255);
    return 1;
}

int WritePaletteFile(const std::string& path, const FirePalette& palette, PaletteWriteMode mode) {
    std::FILE* file = std::fopen(path.c_str(), mode == PaletteWriteMode::NewFile ? "wb" : "r+b");
    if (!file) return 0;
    std::uint8_t bytes[kPaletteFileSize];
    for (int k = 0; k < kPaletteFileSize; ++k) bytes[k] = ColourByte(palette, k);
    const bool written = std::fwrite(bytes, 1, sizeof bytes, file) == sizeof bytes;
    const bool closed = std::fclose(file) == 0;
    if (written && closed) return 1;
    if (mode == PaletteWriteMode::NewFile) std::remove(path.c_str());
    return 0;
}

int ApplyDesktopBlend(FirePalette& palette, int percent) {
    const double s = percent * 0.01;
    for (int g = 0; g < 32; ++g) {
        const PaletteEntry base = palette.entries[8 * g];
        for (int j = 0; j < 8; ++j) {
            const double add = s * 32 * j;
            auto blend = [add](std::uint8_t component) {
                // 64 bits: a stored percent of any int gives at most about 4.8e9.
                const long long value = static_cast<long long>(std::trunc(component + add));
                return static_cast<std::uint8_t>(value < 255 ? value : 255);
            };
            PaletteEntry& entry = palette.entries[8 * g + j];
            entry.red = blend(base.red);
            entry.green = blend(base.green);
            entry.blue = blend(base.blue);
        }
    }
    return 1;
}
