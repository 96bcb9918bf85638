// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include "platform/DesktopImage.h"
#include "platform/NonCopyable.h"
#include "run/FireFeed.h"
#include "run/FramePresenter.h"
#include "linux/PresenterChoice.h"
#include "run/RenderScale.h"
#include "settings/Settings.h"

#include <memory>
#include <string>

struct SDL_Window;

// How one screen of a run is made.
struct ScreenPlan {
    int left = 0, top = 0, width = 0, height = 0;  // where it lies on the screen
    unsigned long foreignWindow = 0;               // a window another program made, or 0: make our own
    bool fullScreen = false;                       // our own window covers a monitor
    bool sound = false;                            // this screen's engine plays the sounds
    DesktopImage desktop;                          // what the fire burns in front of (empty: black)
};

// One place the fire is shown: a window of our own, or one another program
// made (the root window, the screen saver host's window). It owns the fire
// that burns for it and the presenter that shows its frames, the best of the
// ways `place` leaves (see PresentersToTry).
class SaverScreen : private NonCopyable {
public:
    explicit SaverScreen(SharedEngineState& shared) : m_Feed(shared) {}
    ~SaverScreen();

    // Builds the fire, then the window and its presenter. False with one
    // line in `error` when the window cannot be shown; a fire that cannot
    // be made leaves the window as it is.
    bool Open(ScreenPlan plan, const Settings& settings, const PresentingPlace& place, std::string& error);

    // Steps the fire and shows its frame, with the frame rate when it is not
    // negative.
    void Show(double frameRate);
    // The window changed its size: the last field is scaled to the new size
    // at once, and the field follows once the size has held for a moment.
    void Resized(long long now);
    void RebuildWhenSettled(long long now);

    SDL_Window* Window() const { return m_pWindow; }
    // How its frames reach the screen.
    const char* Way() const { return m_pPresenter->Way(); }

private:
    bool OpenWindow(std::string& error);
    // The fire for a field of this size, in front of the plan's picture.
    void BuildFire(FieldSize field);
    bool OpenPresenter(const PresentingPlace& place, std::string& error);
    std::unique_ptr<FramePresenter> MakePresenter(PresenterKind kind) const;
    // Opens the presenter for the fire's field at the window's size now.
    bool PresentAtWindowSize();

    ScreenPlan m_Plan;
    Settings m_Settings;
    SDL_Window* m_pWindow = nullptr;
    std::unique_ptr<FramePresenter> m_pPresenter;
    FireFeed m_Feed;
    long long m_nResizedAt = 0;  // the size is checked once at the start
};

// The size of the fire field behind an output of this size, by the render
// scale the settings ask for. Every field size of the front-end is chosen here.
FieldSize ChooseFieldSize(int outputWidth, int outputHeight, const SettingsReader& settings);
