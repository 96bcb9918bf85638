// SPDX-License-Identifier: GPL-2.0-or-later
#include "tools/frames/PpmImage.h"
#include "tools/frames/FramesOptions.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <memory>
#include <new>

namespace {
using File = std::unique_ptr<std::FILE, int (*)(std::FILE*)>;

// Reads one header number, skipping blanks and comments.
bool ReadHeaderNumber(std::FILE* file, long& value) {
    int c = std::fgetc(file);
    while (c != EOF && (std::isspace(c) || c == '#')) {
        if (c == '#')
            while (c != EOF && c != '\n') c = std::fgetc(file);
        c = std::fgetc(file);
    }
    if (c == EOF || !std::isdigit(c)) return false;
    value = 0;
    while (c != EOF && std::isdigit(c)) {
        value = value * 10 + (c - '0');
        if (value > 1000000) return false;
        c = std::fgetc(file);
    }
    return c != EOF && std::isspace(c);
}
}  // namespace

bool ReadPpm(const std::string& path, DesktopImage& image, std::string& error) {
    File file(std::fopen(path.c_str(), "rb"), &std::fclose);
    if (!file) {
        error = "cannot open desktop image " + path;
        return false;
    }
    long width = 0, height = 0, maxval = 0;
    const bool magic = std::fgetc(file.get()) == 'P' && std::fgetc(file.get()) == '6';
    if (!magic || !ReadHeaderNumber(file.get(), width) || !ReadHeaderNumber(file.get(), height) ||
        !ReadHeaderNumber(file.get(), maxval) || maxval != 255 || width < 1 || height < 1 || width > kMaxFrameSide ||
        height > kMaxFrameSide) {
        error = "not a binary PPM with maxval 255 and sides of 1 to 16384: " + path;
        return false;
    }
    // The picture grows with the rows that arrive, so a header promising more
    // than the file holds costs no memory; rows come top-first and are then
    // turned bottom-up.
    const std::size_t rowBytes = static_cast<std::size_t>(width) * 3;
    image.width = static_cast<int>(width);
    image.height = static_cast<int>(height);
    image.bgr.clear();
    try {
        for (long y = 0; y < height; ++y) {
            const std::size_t at = image.bgr.size();
            image.bgr.resize(at + rowBytes);
            if (std::fread(&image.bgr[at], 1, rowBytes, file.get()) != rowBytes) {
                error = "desktop image ends early: " + path;
                image.bgr = {};
                return false;
            }
        }
    } catch (const std::bad_alloc&) {
        error = "desktop image too large for the memory: " + path;
        image.bgr = {};
        return false;
    }
    for (long y = 0; y < height / 2; ++y)
        std::swap_ranges(&image.bgr[rowBytes * static_cast<std::size_t>(y)],
                         &image.bgr[rowBytes * static_cast<std::size_t>(y + 1)],
                         &image.bgr[rowBytes * static_cast<std::size_t>(height - 1 - y)]);
    for (std::size_t x = 0; x < image.bgr.size(); x += 3) std::swap(image.bgr[x], image.bgr[x + 2]);
    return true;
}
