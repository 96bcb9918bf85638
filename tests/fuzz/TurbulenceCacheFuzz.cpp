// SPDX-License-Identifier: GPL-2.0-or-later
// A turbulence cache file of any content met by a map of any small size:
// loaded, as the file's own entries, only when every entry lies inside the
// field; otherwise deleted, leaving the identity map.
#include "engine/TurbulenceMap.h"
#include "tests/fuzz/FuzzInput.h"

#include <sys/stat.h>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    const int width = 1 + input.Byte() % 64;
    const int height = 1 + input.Byte() % 48;
    const std::string content = input.Rest();
    const std::string path = FuzzFile(TurbulenceCachePath("", width, height),
                                      reinterpret_cast<const std::uint8_t*>(content.data()), content.size());
    const std::size_t count = static_cast<std::size_t>(width) * height;
    std::vector<int> map(count, -1);
    const int loaded = LoadTurbulenceCache(path, map.data(), width, height);
    for (std::size_t i = 0; i < count; ++i) {
        if (map[i] < 0 || static_cast<std::size_t>(map[i]) >= count) std::abort();
        // The entries are little-endian 32-bit numbers, one a field pixel.
        std::uint32_t entry = static_cast<std::uint32_t>(i);
        if (loaded) {
            entry = 0;
            for (int b = 3; b >= 0; --b) entry = entry << 8 | static_cast<std::uint8_t>(content[4 * i + b]);
        }
        if (static_cast<std::uint32_t>(map[i]) != entry) std::abort();
    }
    struct stat info {};
    const bool kept = stat(path.c_str(), &info) == 0;
    if (loaded != (content.size() >= count * 4 && kept) || (!loaded && kept)) std::abort();
    return 0;
}
