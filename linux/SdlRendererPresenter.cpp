// SPDX-License-Identifier: GPL-2.0-or-later
#include "linux/SdlRendererPresenter.h"
#include "run/FrameRateOverlay.h"

#include <SDL.h>

#include <cstdio>

namespace {
// The texture format of the 32-bit pixels IndexedToPixels writes: blue,
// green, red and an unused byte in memory order.
constexpr Uint32 kFieldPixelFormat =
    SDL_BYTEORDER == SDL_LIL_ENDIAN ? SDL_PIXELFORMAT_RGB888 : SDL_PIXELFORMAT_BGRX8888;
}  // namespace

SdlRendererPresenter::~SdlRendererPresenter() {
    Close();
    if (m_pRenderer) SDL_DestroyRenderer(m_pRenderer);
}

bool SdlRendererPresenter::Attach(SDL_Window* window, std::uint32_t flags) {
    m_pRenderer = SDL_CreateRenderer(window, -1, flags);
    if (!m_pRenderer) return false;
    SDL_RendererInfo info;
    if (SDL_GetRendererInfo(m_pRenderer, &info) == 0) std::snprintf(m_Way, sizeof m_Way, "SDL %s", info.name);
    return true;
}

int SdlRendererPresenter::Open(const PresentSizes& sizes, const FirePalette& palette) {
    SetPalette(palette);
    if (m_pTexture && sizes.fieldWidth == m_nFieldWidth && sizes.fieldHeight == m_nFieldHeight) return 1;
    Close();
    if (!m_pRenderer) return 0;
    m_pTexture = SDL_CreateTexture(m_pRenderer, kFieldPixelFormat, SDL_TEXTUREACCESS_STREAMING, sizes.fieldWidth,
                                   sizes.fieldHeight);
    if (!m_pTexture) return 0;
    SDL_SetTextureScaleMode(m_pTexture, SDL_ScaleModeLinear);
    m_nFieldWidth = sizes.fieldWidth;
    m_nFieldHeight = sizes.fieldHeight;
    return 1;
}

int SdlRendererPresenter::Present(const std::uint8_t* frame, const char* overlay) {
    void* pixels = nullptr;
    int pitch = 0;
    if (!m_pTexture || SDL_LockTexture(m_pTexture, nullptr, &pixels, &pitch) != 0) return 0;
    IndexedToPixels(frame, m_nFieldWidth, m_nFieldHeight, m_Colours, static_cast<std::uint8_t*>(pixels), pitch);
    if (overlay) DrawOverlay(static_cast<std::uint32_t*>(pixels), m_nFieldWidth, m_nFieldHeight, pitch, overlay);
    SDL_UnlockTexture(m_pTexture);
    if (SDL_RenderCopy(m_pRenderer, m_pTexture, nullptr, nullptr) != 0) return 0;
    SDL_RenderPresent(m_pRenderer);
    return 1;
}

void SdlRendererPresenter::Close() {
    if (m_pTexture) SDL_DestroyTexture(m_pTexture);
    m_pTexture = nullptr;
    m_nFieldWidth = m_nFieldHeight = 0;
}
