// SPDX-License-Identifier: GPL-2.0-or-later
#include "linux/PresenterChoice.h"

#include <cctype>
#include <cstring>
#include <initializer_list>

namespace {
bool ContainsIgnoringCase(const char* text, const char* part) {
    const std::size_t length = std::strlen(part);
    for (; *text; ++text) {
        std::size_t i = 0;
        while (i < length && text[i] &&
               std::tolower(static_cast<unsigned char>(text[i])) == static_cast<unsigned char>(part[i]))
            ++i;
        if (i == length) return true;
    }
    return false;
}
}  // namespace

bool IsSoftwareRasteriser(const char* glRenderer) {
    if (!glRenderer) return false;
    for (const char* name : {"llvmpipe", "softpipe", "swiftshader", "software rasterizer"})
        if (ContainsIgnoringCase(glRenderer, name)) return true;
    return false;
}

PresenterOrder PresentersToTry(const PresentingPlace& place) {
    using Kind = PresenterKind;
    if (place.foreignWindow) return PresenterOrder{{Kind::X11Image, Kind::SoftwareRenderer}, 2};
    if (!place.x11) return PresenterOrder{{Kind::Renderer, Kind::SoftwareRenderer}, 2};
    if (place.graphicsCard) return PresenterOrder{{Kind::Renderer, Kind::X11Image, Kind::SoftwareRenderer}, 3};
    return PresenterOrder{{Kind::X11Image, Kind::SoftwareRenderer}, 2};
}
