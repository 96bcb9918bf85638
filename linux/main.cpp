// SPDX-License-Identifier: GPL-2.0-or-later
// emberlux: the native fire screen saver for Linux. Full screen on every
// monitor, in an ordinary window, or as a screen saver host's display mode
// drawing into the root window or a window it names.
#include "engine/SharedEngineState.h"
#include "platform/x11/X11Display.h"
#include "linux/SaverOptions.h"
#include "linux/SdlSaver.h"
#include "linux/StopSignals.h"
#include "settings/RegistryStore.h"

#include <SDL.h>

#include <cstdio>
#include <ctime>
#include <memory>
#include <new>

namespace {
int Fail(int code, const std::string& message) {
    std::fprintf(stderr, "emberlux: %s\n", message.c_str());
    return code;
}

// The run itself, between SDL's start and end: 0 when it ended as asked, 1 when it could not start.
int Run(const SaverOptions& options) {
    std::unique_ptr<SharedEngineState> shared(new (std::nothrow) SharedEngineState(
        options.settings.hasSeed ? options.settings.seed : static_cast<std::uint32_t>(std::time(nullptr))));
    if (!shared) return Fail(1, "out of memory");
    SdlSaver saver(options, *shared);
    std::string error;
    if (!saver.Open(error)) return Fail(1, error);
    RenderFlags& flags = SaverFlags();
    flags.running = 1;
    RunRenderLoop(flags, saver, options.frameFloorMs);
    return 0;
}
}  // namespace

int main(int argc, char** argv) {
    SaverOptions options;
    std::string error;
    if (!ParseSaverOptions(argc, argv, options, error)) return Fail(2, error);
    if (options.help) {
        std::fputs(kSaverUsage, stdout);
        return 0;
    }
    InstallStopSignals();
    // The host decides when its display mode ends: SDL must neither hold off
    // the screen saver nor turn signals into its own quit events.
    SDL_SetHint(SDL_HINT_VIDEO_ALLOW_SCREENSAVER, "1");
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    // Full-screen windows on several monitors take the focus from each other.
    SDL_SetHint(SDL_HINT_VIDEO_MINIMIZE_ON_FOCUS_LOSS, "0");
    if (options.mode == OutputMode::Root || options.mode == OutputMode::WindowId) SDL_SetHint(SDL_HINT_VIDEODRIVER, "x11");
    if (SDL_Init(SDL_INIT_VIDEO) != 0) return Fail(1, std::string("cannot open the display: ") + SDL_GetError());
    // In place of SDL's own handler, which on the first X error (a window the
    // host has destroyed) asks the server for more and can hang the process.
    InstallX11ErrorHandler();
    const int code = Run(options);
    RegistryStore::Release();
    SDL_Quit();
    return code;
}
