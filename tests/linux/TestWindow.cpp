// SPDX-License-Identifier: GPL-2.0-or-later
// X windows for the end-to-end tests of the native saver.
//   emberlux-test-window X Y WIDTH HEIGHT RRGGBB
//       a window of another program, in one colour, placed exactly; prints its
//       id in hex and stays until it is killed
//   emberlux-test-window root LEFT RIGHT
//       a desktop picture: the root window's left half in colour LEFT, its
//       right half in RIGHT (RRGGBB), kept after the program ends
#include <X11/Xlib.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {
unsigned long Colour(const char* text) { return std::strtoul(text, nullptr, 16); }

int PaintRoot(Display* display, const char* left, const char* right) {
    const Window root = DefaultRootWindow(display);
    const int screen = DefaultScreen(display);
    const unsigned width = static_cast<unsigned>(DisplayWidth(display, screen));
    const unsigned height = static_cast<unsigned>(DisplayHeight(display, screen));
    const Pixmap picture = XCreatePixmap(display, root, width, height, static_cast<unsigned>(DefaultDepth(display, screen)));
    GC gc = XCreateGC(display, picture, 0, nullptr);
    XSetForeground(display, gc, Colour(left));
    XFillRectangle(display, picture, gc, 0, 0, width / 2, height);
    XSetForeground(display, gc, Colour(right));
    XFillRectangle(display, picture, gc, static_cast<int>(width / 2), 0, width - width / 2, height);
    XSetWindowBackgroundPixmap(display, root, picture);
    XClearWindow(display, root);
    XFreeGC(display, gc);
    XSetCloseDownMode(display, RetainPermanent);
    XCloseDisplay(display);
    return 0;
}
}  // namespace

int main(int argc, char** argv) {
    const bool root = argc == 4 && std::strcmp(argv[1], "root") == 0;
    if (argc != 6 && !root) {
        std::fprintf(stderr, "usage: emberlux-test-window X Y WIDTH HEIGHT RRGGBB | root LEFT RIGHT\n");
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display) return 1;
    if (root) return PaintRoot(display, argv[2], argv[3]);
    XSetWindowAttributes attributes{};
    attributes.background_pixel = Colour(argv[5]);
    attributes.override_redirect = True;  // placed exactly where asked, with or without a window manager
    const Window window = XCreateWindow(display, DefaultRootWindow(display), std::atoi(argv[1]), std::atoi(argv[2]),
                                        static_cast<unsigned>(std::atoi(argv[3])),
                                        static_cast<unsigned>(std::atoi(argv[4])), 0, CopyFromParent, InputOutput,
                                        CopyFromParent, CWBackPixel | CWOverrideRedirect, &attributes);
    XMapRaised(display, window);
    XSync(display, False);
    std::printf("0x%lx\n", window);
    std::fflush(stdout);
    for (;;) {
        XEvent event;
        XNextEvent(display, &event);
    }
}
