// SPDX-License-Identifier: GPL-2.0-or-later
#include "tools/frames/PictureWriters.h"

#include <gif_lib.h>
#include <png.h>

#include <cstring>
#include <vector>

namespace {
constexpr int kFrameDelayCentiseconds = 3;

ColorMapObject* MakeColourMap(const FirePalette& palette) {
    GifColorType colours[256];
    for (int i = 0; i < 256; ++i)
        colours[i] = GifColorType{palette.entries[i].red, palette.entries[i].green, palette.entries[i].blue};
    return GifMakeMapObject(256, colours);
}

bool SameColours(const FirePalette& a, const FirePalette& b) {
    for (int i = 0; i < 256; ++i)
        if (a.entries[i].red != b.entries[i].red || a.entries[i].green != b.entries[i].green ||
            a.entries[i].blue != b.entries[i].blue)
            return false;
    return true;
}

class GiflibAnimation : public AnimatedGif {
public:
    GiflibAnimation(GifFileType* gif, int width, int height) : m_gif(gif), m_width(width), m_height(height) {}
    ~GiflibAnimation() override { Close(); }

    bool AddFrame(const std::uint8_t* indexes, const FirePalette& palette) override {
        if (!m_gif) return false;
        if (!m_started && !Start(palette)) return false;
        GraphicsControlBlock control{};
        control.DelayTime = kFrameDelayCentiseconds;
        control.TransparentColor = NO_TRANSPARENT_COLOR;
        GifByteType extension[4];
        const int length = static_cast<int>(EGifGCBToExtension(&control, extension));
        if (EGifPutExtension(m_gif, GRAPHICS_EXT_FUNC_CODE, length, extension) == GIF_ERROR) return Fail();
        ColorMapObject* local = SameColours(palette, m_global) ? nullptr : MakeColourMap(palette);
        const bool described = EGifPutImageDesc(m_gif, 0, 0, m_width, m_height, false, local) != GIF_ERROR;
        GifFreeMapObject(local);
        if (!described) return Fail();
        std::vector<GifPixelType> row(static_cast<std::size_t>(m_width));
        for (int y = 0; y < m_height; ++y) {
            std::memcpy(row.data(), indexes + static_cast<std::size_t>(y) * m_width, row.size());
            if (EGifPutLine(m_gif, row.data(), m_width) == GIF_ERROR) return Fail();
        }
        return true;
    }

    bool Close() override {
        if (!m_gif) return !m_failed;
        if (!m_started) Start(FirePalette{});
        int error = 0;
        const bool closed = EGifCloseFile(m_gif, &error) != GIF_ERROR;
        m_gif = nullptr;
        return closed && !m_failed;
    }

private:
    bool Start(const FirePalette& palette) {
        m_started = true;
        m_global = palette;
        EGifSetGifVersion(m_gif, true);
        ColorMapObject* global = MakeColourMap(palette);
        const bool described = EGifPutScreenDesc(m_gif, m_width, m_height, 8, 0, global) != GIF_ERROR;
        GifFreeMapObject(global);
        static const GifByteType kLoopForever[] = {1, 0, 0};
        if (!described || EGifPutExtensionLeader(m_gif, APPLICATION_EXT_FUNC_CODE) == GIF_ERROR ||
            EGifPutExtensionBlock(m_gif, 11, "NETSCAPE2.0") == GIF_ERROR ||
            EGifPutExtensionBlock(m_gif, 3, kLoopForever) == GIF_ERROR || EGifPutExtensionTrailer(m_gif) == GIF_ERROR)
            return Fail();
        return true;
    }

    bool Fail() {
        m_failed = true;
        return false;
    }

    GifFileType* m_gif;
    int m_width, m_height;
    bool m_started = false;
    bool m_failed = false;
    FirePalette m_global{};
};
}  // namespace

std::unique_ptr<AnimatedGif> OpenAnimatedGif(const std::string& path, int width, int height) {
    int error = 0;
    GifFileType* gif = EGifOpenFileName(path.c_str(), false, &error);
    if (!gif) return nullptr;
    return std::unique_ptr<AnimatedGif>(new GiflibAnimation(gif, width, height));
}

bool WritePng(const std::string& path, const std::uint8_t* indexes, int width, int height, const FirePalette& palette) {
    std::vector<std::uint8_t> rgb(static_cast<std::size_t>(width) * height * 3);
    for (std::size_t i = 0; i < static_cast<std::size_t>(width) * height; ++i) {
        const PaletteEntry& entry = palette.entries[indexes[i]];
        rgb[3 * i] = entry.red;
        rgb[3 * i + 1] = entry.green;
        rgb[3 * i + 2] = entry.blue;
    }
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(width);
    image.height = static_cast<png_uint_32>(height);
    image.format = PNG_FORMAT_RGB;
    return png_image_write_to_file(&image, path.c_str(), 0, rgb.data(), 0, nullptr) != 0;
}
