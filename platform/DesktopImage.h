// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include <cstdint>
#include <utility>
#include <vector>

// A photograph of the screen: 24-bit pixels in blue, green, red order,
// rows stored bottom-up (row 0 is the bottom screen line), 3 x width bytes apart.
struct DesktopImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> bgr;
};

// Where the engine takes its photograph of the screen from.
class DesktopSource {
public:
    virtual ~DesktopSource() = default;
    // Fills `image`; returns 1 on success, 0 when the screen cannot be taken.
    virtual int Capture(DesktopImage& image) = 0;
};

// A screen that is a picture known beforehand (a file read by a tool, or the
// input of a test).
class PictureDesktop : public DesktopSource {
public:
    explicit PictureDesktop(DesktopImage image) : m_Image(std::move(image)) {}
    int Capture(DesktopImage& image) override {
        image = m_Image;
        return 1;
    }

private:
    DesktopImage m_Image;
};
