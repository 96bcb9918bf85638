// SPDX-License-Identifier: GPL-2.0-or-later
#include "linux/SdlSaver.h"
#include "run/InputRules.h"
#include "run/RunSettings.h"
#include "linux/RendererProbe.h"
#include "linux/RunPlan.h"

#include <SDL.h>
#include <SDL_syswm.h>
#include <X11/Xlib.h>

#include <cstdio>
#include <cstring>
#include <new>

namespace {
void RequestStop() { SaverFlags().stopRequested = 1; }
}  // namespace

bool SdlSaver::Open(std::string& error) {
    m_bX11 = std::strcmp(SDL_GetCurrentVideoDriver(), "x11") == 0 && m_X11.Open();
    // What SDL's software renderer draws goes to the server in shared memory,
    // never through a texture of OpenGL (which another program's window may
    // have no visual for, and which runs in software where no graphics card draws).
    if (m_bX11) SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    RunPlan plan;
    if (!PlanRun(m_Options, m_bX11 ? &m_X11 : nullptr, plan, error)) return false;
    Settings settings;
    PrepareRunSettings(m_Options.settings, plan.cyclePresets, settings);
    PresentingPlace place;
    place.x11 = m_bX11;
    // Only our own windows on X11 have a choice to make.
    place.graphicsCard = m_bX11 && !plan.screens.front().foreignWindow && RendererUsesGraphicsCard();
    for (ScreenPlan& screenPlan : plan.screens) {
        std::unique_ptr<SaverScreen> screen(new (std::nothrow) SaverScreen(m_Shared));
        if (!screen) {
            error = "out of memory";
            return false;
        }
        place.foreignWindow = screenPlan.foreignWindow != 0;
        if (!screen->Open(std::move(screenPlan), settings, place, error)) return false;
        if (place.foreignWindow) FollowForeignWindow(*screen);
        if (m_Options.showFps) std::fprintf(stderr, "emberlux: frames reach the screen through %s\n", screen->Way());
        m_Screens.push_back(std::move(screen));
    }
    if (plan.watchedWindow) m_bWatching = m_X11.Watch(plan.watchedWindow);
    if (m_Options.mode == OutputMode::FullScreen) {
        SDL_ShowCursor(SDL_DISABLE);
        SDL_RaiseWindow(m_Screens.front()->Window());
        SDL_SetWindowKeyboardGrab(m_Screens.front()->Window(), SDL_TRUE);
    }
    m_nStartTicks = MonotonicMilliseconds();
    return true;
}

// SDL hears nothing from a window it did not make; asking the server for its
// structure events lets SDL report the window's new size like its own.
void SdlSaver::FollowForeignWindow(SaverScreen& screen) {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!SDL_GetWindowWMInfo(screen.Window(), &info) || info.subsystem != SDL_SYSWM_X11) return;
    if (info.info.x11.window == DefaultRootWindow(info.info.x11.display)) return;
    XSelectInput(info.info.x11.display, info.info.x11.window, StructureNotifyMask);
    XFlush(info.info.x11.display);
}

SaverScreen* SdlSaver::ScreenOf(unsigned windowId) {
    SDL_Window* window = SDL_GetWindowFromID(windowId);
    for (auto& screen : m_Screens)
        if (screen->Window() == window) return screen.get();
    return nullptr;
}

void SdlSaver::Handle(const SDL_Event& event, long long now) {
    UserInput input = UserInput::Key;
    MousePoint point{0, 0};
    switch (event.type) {
    case SDL_QUIT:
        input = UserInput::CloseWindow;
        break;
    case SDL_WINDOWEVENT:
        if (event.window.event == SDL_WINDOWEVENT_SIZE_CHANGED) {
            if (SaverScreen* screen = ScreenOf(event.window.windowID)) screen->Resized(now);
            return;
        }
        if (event.window.event != SDL_WINDOWEVENT_CLOSE) return;
        input = UserInput::CloseWindow;
        break;
    case SDL_KEYDOWN:
        input = event.key.keysym.sym == SDLK_ESCAPE || event.key.keysym.sym == SDLK_q ? UserInput::QuitKey
                                                                                       : UserInput::Key;
        break;
    case SDL_MOUSEBUTTONDOWN:
        input = UserInput::Click;
        break;
    case SDL_MOUSEMOTION: {
        int left = 0, top = 0;
        if (SDL_Window* window = SDL_GetWindowFromID(event.motion.windowID)) SDL_GetWindowPosition(window, &left, &top);
        input = UserInput::Motion;
        point = MousePoint{left + event.motion.x, top + event.motion.y};
        break;
    }
    default:
        return;
    }
    if (InputEndsRun(m_Options.mode, input, now - m_nStartTicks, m_MouseReference, point)) RequestStop();
}

int SdlSaver::RenderFrame() {
    const long long now = MonotonicMilliseconds();
    SDL_Event event;
    while (SDL_PollEvent(&event)) Handle(event, now);
    if (m_bWatching && m_X11.WatchedWindowGone()) RequestStop();
    if (SaverFlags().stopRequested) return 0;
    if (m_Options.showFps) m_FrameRate.CountFrame(now);
    for (auto& screen : m_Screens) {
        screen->RebuildWhenSettled(now);
        screen->Show(m_Options.showFps ? m_FrameRate.Rate() : -1);
    }
    return 1;
}
