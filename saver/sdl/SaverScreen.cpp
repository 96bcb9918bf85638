// SPDX-License-Identifier: GPL-2.0-or-later
#include "saver/sdl/SaverScreen.h"
#include "saver/FrameConversion.h"
#include "saver/FrameRateOverlay.h"
#include "saver/sdl/SdlMonitorList.h"

#include <SDL.h>

#include <cstdint>
#include <new>

namespace {
// How long a new window size must hold before the field is rebuilt for it
// (a window being dragged larger changes its size many times a second).
constexpr long long kSettleMs = 300;
// The texture format of the 32-bit pixels IndexedToPixels writes: blue,
// green, red and an unused byte in memory order.
constexpr Uint32 kFieldPixelFormat =
    SDL_BYTEORDER == SDL_LIL_ENDIAN ? SDL_PIXELFORMAT_RGB888 : SDL_PIXELFORMAT_BGRX8888;
}  // namespace

FieldSize ChooseFieldSize(int outputWidth, int outputHeight, const SettingsReader& settings) {
    int renderScale = kRenderScaleAutomatic;
    settings.GetInt(SettingId::RenderScale, renderScale);
    return RenderFieldSize(outputWidth, outputHeight, ChooseRenderScale(renderScale, outputWidth, outputHeight));
}

SaverScreen::~SaverScreen() {
    m_pEngine.reset();
    m_pSound.reset();
    if (m_pTexture) SDL_DestroyTexture(m_pTexture);
    if (m_pRenderer) SDL_DestroyRenderer(m_pRenderer);
    if (m_pWindow) SDL_DestroyWindow(m_pWindow);
}

bool SaverScreen::Open(ScreenPlan plan, const Settings& settings, std::string& error) {
    m_Plan = std::move(plan);
    m_Settings = settings;
    BuildEngine(m_Plan.width, m_Plan.height);
    return OpenWindow(error);
}

void SaverScreen::BuildEngine(int outputWidth, int outputHeight) {
    if (m_pTexture) SDL_DestroyTexture(m_pTexture);
    m_pTexture = nullptr;
    m_pEngine.reset();
    const FieldSize field = ChooseFieldSize(outputWidth, outputHeight, m_Settings);
    m_nFieldWidth = field.width;
    m_nFieldHeight = field.height;
    std::unique_ptr<CFireEngine> engine(new (std::nothrow) CFireEngine(m_Shared));
    if (!engine) return;
    Settings sized = m_Settings;
    sized.SetInt(SettingId::XRes, m_nFieldWidth);
    sized.SetInt(SettingId::YRes, m_nFieldHeight);
    PictureDesktop desktop(m_Plan.desktop);
    if (!m_Plan.desktop.bgr.empty()) engine->SetDesktopSource(&desktop);
    const int created = engine->Create(sized);
    engine->SetDesktopSource(nullptr);
    if (!created) return;
    // The sound starts with the first engine; a rebuilt one hears the same.
    if (m_Plan.sound && !m_pSound) {
        m_pSound.reset(new (std::nothrow) FireSound);
        if (m_pSound) m_pSound->Start(sized);
    }
    engine->SetExplosionSink(m_pSound.get());
    try {
        m_Frame.assign(static_cast<std::size_t>(m_nFieldWidth) * m_nFieldHeight, 0);
    } catch (const std::bad_alloc&) {
        return;
    }
    FirePalette palette{};
    engine->CopyPalette(palette);
    PaletteToPixels(palette, m_Colours);
    m_pEngine = std::move(engine);
    CreateTexture();
}

void SaverScreen::CreateTexture() {
    if (!m_pRenderer || !m_pEngine) return;
    m_pTexture = SDL_CreateTexture(m_pRenderer, kFieldPixelFormat, SDL_TEXTUREACCESS_STREAMING, m_nFieldWidth,
                                   m_nFieldHeight);
    if (m_pTexture) SDL_SetTextureScaleMode(m_pTexture, SDL_ScaleModeLinear);
}

bool SaverScreen::OpenWindow(std::string& error) {
    Uint32 rendererFlags = 0;
    if (m_Plan.foreignWindow) {
        m_pWindow = SDL_CreateWindowFrom(reinterpret_cast<const void*>(static_cast<std::uintptr_t>(m_Plan.foreignWindow)));
        // Another program's window may have a visual no accelerated renderer takes.
        rendererFlags = SDL_RENDERER_SOFTWARE;
    } else if (m_Plan.fullScreen) {
        // A monitor SDL does not know as a display gets a borderless window
        // above the others, exactly over it.
        const bool display = IsSdlDisplay(MonitorArea{m_Plan.left, m_Plan.top, m_Plan.width, m_Plan.height, false});
        m_pWindow = SDL_CreateWindow("Emberlux!", m_Plan.left, m_Plan.top, m_Plan.width, m_Plan.height,
                                     SDL_WINDOW_BORDERLESS |
                                         (display ? SDL_WINDOW_FULLSCREEN_DESKTOP : SDL_WINDOW_ALWAYS_ON_TOP));
    } else {
        m_pWindow = SDL_CreateWindow("Emberlux!", SDL_WINDOWPOS_UNDEFINED, SDL_WINDOWPOS_UNDEFINED, m_Plan.width,
                                     m_Plan.height, SDL_WINDOW_RESIZABLE);
    }
    if (!m_pWindow) {
        error = std::string("cannot open a window: ") + SDL_GetError();
        return false;
    }
    m_pRenderer = SDL_CreateRenderer(m_pWindow, -1, rendererFlags);
    if (!m_pRenderer && rendererFlags != SDL_RENDERER_SOFTWARE)
        m_pRenderer = SDL_CreateRenderer(m_pWindow, -1, SDL_RENDERER_SOFTWARE);
    if (!m_pRenderer) {
        error = std::string("cannot draw into the window: ") + SDL_GetError();
        return false;
    }
    SDL_SetRenderDrawColor(m_pRenderer, 0, 0, 0, 255);
    CreateTexture();
    return true;
}

void SaverScreen::Show(double frameRate) {
    if (!m_pRenderer) return;
    if (m_pEngine && m_pTexture && m_pEngine->Step() && m_pEngine->RenderTo(m_Frame.data())) {
        if (m_pEngine->TakePaletteChanged()) {
            FirePalette palette{};
            m_pEngine->CopyPalette(palette);
            PaletteToPixels(palette, m_Colours);
        }
        void* pixels = nullptr;
        int pitch = 0;
        if (SDL_LockTexture(m_pTexture, nullptr, &pixels, &pitch) == 0) {
            IndexedToPixels(m_Frame.data(), m_nFieldWidth, m_nFieldHeight, m_Colours, static_cast<std::uint8_t*>(pixels),
                            pitch);
            if (frameRate >= 0)
                DrawFrameRate(static_cast<std::uint32_t*>(pixels), m_nFieldWidth, m_nFieldHeight, pitch, frameRate);
            SDL_UnlockTexture(m_pTexture);
        }
    }
    SDL_RenderClear(m_pRenderer);
    if (m_pTexture) SDL_RenderCopy(m_pRenderer, m_pTexture, nullptr, nullptr);
    SDL_RenderPresent(m_pRenderer);
}

void SaverScreen::RebuildWhenSettled(long long now) {
    if (m_nResizedAt < 0 || now - m_nResizedAt < kSettleMs || !m_pRenderer) return;
    m_nResizedAt = -1;
    int outputWidth = 0, outputHeight = 0;
    if (SDL_GetRendererOutputSize(m_pRenderer, &outputWidth, &outputHeight) != 0) return;
    const FieldSize field = ChooseFieldSize(outputWidth, outputHeight, m_Settings);
    if (field.width != m_nFieldWidth || field.height != m_nFieldHeight) BuildEngine(outputWidth, outputHeight);
}
