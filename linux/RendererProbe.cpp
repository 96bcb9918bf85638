// SPDX-License-Identifier: GPL-2.0-or-later
#include "linux/RendererProbe.h"
#include "linux/PresenterChoice.h"

#include <SDL.h>

#include <cstring>

namespace {
constexpr unsigned kGlRenderer = 0x1F01;  // GL_RENDERER

// The OpenGL renderer string of the current context, or null.
const char* GlRendererName() {
    using GetString = const unsigned char* (*)(unsigned);
    const auto getString = reinterpret_cast<GetString>(SDL_GL_GetProcAddress("glGetString"));
    return getString ? reinterpret_cast<const char*>(getString(kGlRenderer)) : nullptr;
}

bool DrawsOnGraphicsCard(SDL_Renderer* renderer) {
    SDL_RendererInfo info;
    if (SDL_GetRendererInfo(renderer, &info) != 0 || (info.flags & SDL_RENDERER_SOFTWARE) ||
        !(info.flags & SDL_RENDERER_ACCELERATED))
        return false;
    // SDL's OpenGL renderers leave their context current.
    if (std::strncmp(info.name, "opengl", 6) == 0) return !IsSoftwareRasteriser(GlRendererName());
    return true;
}
}  // namespace

bool RendererUsesGraphicsCard() {
    SDL_Window* window = SDL_CreateWindow("", 0, 0, 1, 1, SDL_WINDOW_HIDDEN);
    if (!window) return false;
    SDL_Renderer* renderer = SDL_CreateRenderer(window, -1, 0);
    const bool graphicsCard = renderer && DrawsOnGraphicsCard(renderer);
    if (renderer) SDL_DestroyRenderer(renderer);
    SDL_DestroyWindow(window);
    return graphicsCard;
}
