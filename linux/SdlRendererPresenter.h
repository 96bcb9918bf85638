// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include "platform/NonCopyable.h"
#include "run/FrameConversion.h"
#include "run/FramePresenter.h"

#include <cstdint>

struct SDL_Renderer;
struct SDL_Texture;
struct SDL_Window;

// Presents frames through an SDL renderer: each frame goes into a streaming
// texture of the field's size, which the renderer scales smoothly over the
// whole window. The copy covers every pixel, so the window is never cleared.
class SdlRendererPresenter : public FramePresenter, private NonCopyable {
public:
    ~SdlRendererPresenter() override;

    // Makes a renderer for `window` with SDL's renderer flags (0: the one SDL
    // chooses); false with SDL's reason in SDL_GetError when there is none.
    bool Attach(SDL_Window* window, std::uint32_t flags);

    int Open(const PresentSizes& sizes, const FirePalette& palette) override;
    void SetPalette(const FirePalette& palette) override { PaletteToPixels(palette, m_Colours); }
    int Present(const std::uint8_t* frame, const char* overlay) override;
    void Close() override;
    const char* Way() const override { return m_Way; }

private:
    SDL_Renderer* m_pRenderer = nullptr;
    SDL_Texture* m_pTexture = nullptr;
    PixelPalette m_Colours{};
    int m_nFieldWidth = 0, m_nFieldHeight = 0;
    char m_Way[40] = "SDL";
};
