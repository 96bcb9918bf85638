// SPDX-License-Identifier: GPL-2.0-or-later
// The desktop picture emberlux-frames is given: any bytes either read as a
// picture of the size its header gives, or refused with a reason.
#include "tests/fuzz/FuzzInput.h"
#include "tools/frames/PpmImage.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string path = FuzzFile("desktop.ppm", data, size);
    DesktopImage image;
    std::string error;
    if (ReadPpm(path, image, error)) {
        if (image.width < 1 || image.height < 1 ||
            image.bgr.size() != static_cast<std::size_t>(image.width) * image.height * 3 || image.bgr.size() > size)
            std::abort();
    } else if (error.empty()) {
        std::abort();
    }
    return 0;
}
