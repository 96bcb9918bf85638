// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include "engine/FireEngine.h"
#include "platform/DesktopImage.h"
#include "saver/FireSound.h"
#include "saver/FrameConversion.h"
#include "saver/RenderScale.h"
#include "settings/Settings.h"

#include <cstdint>
#include <memory>
#include <vector>

struct SDL_Renderer;
struct SDL_Texture;
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
// made (the root window, the screen saver host's window). It owns the engine
// that burns for it, the indexed frame and a streaming texture of the field's
// size, which the renderer scales onto the window.
class SaverScreen {
public:
    explicit SaverScreen(SharedEngineState& shared) : m_Shared(shared) {}
    ~SaverScreen();
    SaverScreen(const SaverScreen&) = delete;
    SaverScreen& operator=(const SaverScreen&) = delete;

    // Builds the engine, then the window and its renderer. False with one
    // line in `error` when the window cannot be shown; an engine that cannot
    // be made leaves the screen black.
    bool Open(ScreenPlan plan, const Settings& settings, std::string& error);

    // Steps the engine and shows its frame, with the frame rate when it is
    // not negative.
    void Show(double frameRate);
    // The window changed its size; the field follows once the size has held
    // for a moment, and until then the last field is scaled to the window.
    void Resized(long long now) { m_nResizedAt = now; }
    void RebuildWhenSettled(long long now);

    SDL_Window* Window() const { return m_pWindow; }

private:
    bool OpenWindow(std::string& error);
    void BuildEngine(int outputWidth, int outputHeight);
    // The texture the field is uploaded to, once there are an engine and a renderer.
    void CreateTexture();

    SharedEngineState& m_Shared;
    ScreenPlan m_Plan;
    Settings m_Settings;
    SDL_Window* m_pWindow = nullptr;
    SDL_Renderer* m_pRenderer = nullptr;
    SDL_Texture* m_pTexture = nullptr;
    std::unique_ptr<CFireEngine> m_pEngine;
    std::unique_ptr<FireSound> m_pSound;
    std::vector<std::uint8_t> m_Frame;
    PixelPalette m_Colours{};
    int m_nFieldWidth = 0, m_nFieldHeight = 0;
    long long m_nResizedAt = 0;  // the size is checked once at the start
};

// The size of the fire field behind an output of this size, by the render
// scale the settings ask for. Every field size of the front-end is chosen here.
FieldSize ChooseFieldSize(int outputWidth, int outputHeight, const SettingsReader& settings);
