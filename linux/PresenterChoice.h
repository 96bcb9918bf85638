// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The ways a frame of the native saver can reach its window.
enum class PresenterKind {
    Renderer,          // SDL's renderer, the one SDL chose: a field-sized texture the graphics card scales
    X11Image,          // 32-bit pixels converted and scaled on the processor, put through MIT-SHM or XPutImage
    SoftwareRenderer,  // SDL's software renderer, for windows nothing else draws into
};

// Whether an OpenGL renderer string names a rasteriser that runs on the
// processor (llvmpipe, softpipe, SwiftShader, Mesa's swrast), as in virtual
// machines, remote desktops and virtual displays.
bool IsSoftwareRasteriser(const char* glRenderer);

// Where a window is shown and what draws there.
struct PresentingPlace {
    bool x11 = false;            // the display is an X server
    bool foreignWindow = false;  // another program made the window (the root, a host's)
    bool graphicsCard = false;   // SDL's renderer draws on a graphics card
};

// The ways to try, best first. A graphics card scales the field for free;
// without one its renderer is software at every step (clearing, copying and
// scaling the whole window), so on X11 the processor writes the finished
// pixels straight into the image the server shows. Without X11 (Wayland) the
// renderer SDL chose comes first: its software renderer would draw through a
// texture of the whole window, one copy more.
struct PresenterOrder {
    PresenterKind kinds[3];
    int count = 0;
};
PresenterOrder PresentersToTry(const PresentingPlace& place);
