// SPDX-License-Identifier: GPL-2.0-or-later
#include "linux/SaverScreen.h"
#include "platform/x11/X11PixelScreen.h"
#include "run/FrameRateOverlay.h"
#include "run/PixelPresenter.h"
#include "linux/SdlMonitorList.h"
#include "linux/SdlRendererPresenter.h"

#include <SDL.h>
#include <SDL_syswm.h>

#include <cstdint>
#include <new>

namespace {
// How long a new window size must hold before the field is rebuilt for it
// (a window being dragged larger changes its size many times a second).
constexpr long long kSettleMs = 300;

// The X window behind an SDL window, or 0. SDL's requests reach the server
// first, so that another connection finds the window.
unsigned long X11WindowOf(SDL_Window* window) {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11) return 0;
    XSync(info.info.x11.display, False);
    return info.info.x11.window;
}
}  // namespace

FieldSize ChooseFieldSize(int outputWidth, int outputHeight, const SettingsReader& settings) {
    int renderScale = kRenderScaleAutomatic;
    settings.GetInt(SettingId::RenderScale, renderScale);
    return FieldSizeFor(outputWidth, outputHeight, renderScale);
}

SaverScreen::~SaverScreen() {
    m_pPresenter.reset();
    if (m_pWindow) SDL_DestroyWindow(m_pWindow);
}

bool SaverScreen::Open(ScreenPlan plan, const Settings& settings, const PresentingPlace& place, std::string& error) {
    m_Plan = std::move(plan);
    m_Settings = settings;
    BuildFire(ChooseFieldSize(m_Plan.width, m_Plan.height, m_Settings));
    return OpenWindow(error) && OpenPresenter(place, error);
}

bool SaverScreen::OpenWindow(std::string& error) {
    if (m_Plan.foreignWindow) {
        m_pWindow = SDL_CreateWindowFrom(reinterpret_cast<const void*>(static_cast<std::uintptr_t>(m_Plan.foreignWindow)));
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
    if (m_pWindow) return true;
    error = std::string("cannot open a window: ") + SDL_GetError();
    return false;
}

std::unique_ptr<FramePresenter> SaverScreen::MakePresenter(PresenterKind kind) const {
    if (kind == PresenterKind::X11Image) {
        std::unique_ptr<X11PixelScreen> screen(new (std::nothrow) X11PixelScreen);
        const unsigned long window = m_Plan.foreignWindow ? m_Plan.foreignWindow : X11WindowOf(m_pWindow);
        if (!screen || !window || !screen->Attach(window)) return nullptr;
        return std::unique_ptr<FramePresenter>(new (std::nothrow) PixelPresenter(std::move(screen)));
    }
    std::unique_ptr<SdlRendererPresenter> renderer(new (std::nothrow) SdlRendererPresenter);
    const Uint32 flags = kind == PresenterKind::SoftwareRenderer ? SDL_RENDERER_SOFTWARE : 0;
    if (!renderer || !renderer->Attach(m_pWindow, flags)) return nullptr;
    return renderer;
}

bool SaverScreen::OpenPresenter(const PresentingPlace& place, std::string& error) {
    const PresenterOrder order = PresentersToTry(place);
    for (int i = 0; i < order.count; ++i) {
        m_pPresenter = MakePresenter(order.kinds[i]);
        if (m_pPresenter && PresentAtWindowSize()) return true;
    }
    m_pPresenter.reset();
    error = std::string("cannot draw into the window: ") + SDL_GetError();
    return false;
}

bool SaverScreen::PresentAtWindowSize() {
    PresentSizes sizes;
    sizes.fieldWidth = m_Feed.Field().width;
    sizes.fieldHeight = m_Feed.Field().height;
    SDL_GetWindowSizeInPixels(m_pWindow, &sizes.outputWidth, &sizes.outputHeight);
    return m_pPresenter->Open(sizes, m_Feed.Palette()) != 0;
}

void SaverScreen::Show(double frameRate) {
    char overlay[64];
    if (frameRate >= 0) FormatFrameRate(frameRate, m_pPresenter->Way(), overlay, sizeof overlay);
    m_Feed.Feed(*m_pPresenter, frameRate >= 0 ? overlay : nullptr);
}

void SaverScreen::Resized(long long now) {
    m_nResizedAt = now;
    PresentAtWindowSize();
}

void SaverScreen::RebuildWhenSettled(long long now) {
    if (m_nResizedAt < 0 || now - m_nResizedAt < kSettleMs) return;
    m_nResizedAt = -1;
    int outputWidth = 0, outputHeight = 0;
    SDL_GetWindowSizeInPixels(m_pWindow, &outputWidth, &outputHeight);
    const FieldSize field = ChooseFieldSize(outputWidth, outputHeight, m_Settings);
    if (field.width == m_Feed.Field().width && field.height == m_Feed.Field().height) return;
    BuildFire(field);
    PresentAtWindowSize();
}

void SaverScreen::BuildFire(FieldSize field) {
    PictureDesktop desktop(m_Plan.desktop);
    FireSetUp setUp;
    setUp.desktop = m_Plan.desktop.bgr.empty() ? nullptr : &desktop;
    setUp.sound = m_Plan.sound;
    m_Feed.Build(m_Settings, field, setUp);
}
