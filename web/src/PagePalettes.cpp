// SPDX-License-Identifier: GPL-2.0-or-later
#include "web/src/PagePalettes.h"
#include "palette/FirePalette.h"
#include "palette/PaletteFolder.h"
#include "platform/Paths.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <new>

namespace {
// The name of a palette file the page keeps: the letters, digits and spaces of
// the name it came with, before its extension.
std::string KeptName(const std::string& fileName) {
    std::string name = FileNameOf(fileName);
    const std::size_t dot = name.rfind('.');
    if (dot != std::string::npos && dot > 0) name.erase(dot);
    std::string kept;
    for (unsigned char c : name)
        if (std::isalnum(c) || c == ' ') kept += static_cast<char>(c);
    const std::size_t first = kept.find_first_not_of(' ');
    kept = first == std::string::npos ? "Palette" : kept.substr(first, kept.find_last_not_of(' ') + 1 - first);
    return kept + ".pal";
}
}  // namespace

std::vector<std::string> PaletteFileNames(const std::string& folder) {
    std::vector<std::string> names = EnumPaletteFiles(folder);
    std::sort(names.begin(), names.end());
    return names;
}

bool AddPaletteFile(const std::string& folder, const std::string& fileName, const std::string& bytes,
                    std::string& path, std::string& why) {
    if (bytes.size() != static_cast<std::size_t>(kPaletteFileSize)) {
        why = FileNameOf(fileName) + " is no palette: a palette file holds 768 bytes, this one " +
              std::to_string(bytes.size());
        return false;
    }
    path = folder + KeptName(fileName);
    std::FILE* file = std::fopen(path.c_str(), "wb");
    bool written = file && std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    if (file && std::fclose(file) != 0) written = false;
    if (!written) why = "the palette could not be kept";
    return written;
}

DesktopImage DesktopFromRgba(const std::uint8_t* rgba, int width, int height) {
    DesktopImage image;
    try {
        image.bgr.resize(static_cast<std::size_t>(width) * height * 3);
    } catch (const std::bad_alloc&) {
        return DesktopImage();
    }
    image.width = width;
    image.height = height;
    for (int y = 0; y < height; ++y) {
        const std::uint8_t* source = rgba + static_cast<std::size_t>(height - 1 - y) * width * 4;
        std::uint8_t* dest = image.bgr.data() + static_cast<std::size_t>(y) * width * 3;
        for (int x = 0; x < width; ++x) {
            dest[3 * x] = source[4 * x + 2];
            dest[3 * x + 1] = source[4 * x + 1];
            dest[3 * x + 2] = source[4 * x];
        }
    }
    return image;
}
