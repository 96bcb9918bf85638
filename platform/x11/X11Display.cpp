// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/x11/X11Display.h"
#include "platform/x11/PackedPixels.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xinerama.h>

#include <algorithm>
#include <new>

namespace {
int IgnoreError(Display*, XErrorEvent*) { return 0; }

// Masks of the pixels of `image`, or of the screen's visual when the server
// left them out (it does for pixmaps).
void FillMasks(Display* display, const XImage& image, PackedPixels& pixels) {
    const Visual* visual = DefaultVisual(display, DefaultScreen(display));
    pixels.redMask = static_cast<std::uint32_t>(image.red_mask ? image.red_mask : visual->red_mask);
    pixels.greenMask = static_cast<std::uint32_t>(image.green_mask ? image.green_mask : visual->green_mask);
    pixels.blueMask = static_cast<std::uint32_t>(image.blue_mask ? image.blue_mask : visual->blue_mask);
}
}  // namespace

void InstallX11ErrorHandler() { XSetErrorHandler(IgnoreError); }

X11Display::~X11Display() {
    if (m_pDisplay) XCloseDisplay(m_pDisplay);
}

bool X11Display::Open() {
    if (!m_pDisplay) m_pDisplay = XOpenDisplay(nullptr);
    return m_pDisplay != nullptr;
}

unsigned long X11Display::Root() const { return DefaultRootWindow(m_pDisplay); }

bool X11Display::Monitors(std::vector<X11Place>& monitors) const {
    int events = 0, errors = 0, count = 0;
    if (!XineramaQueryExtension(m_pDisplay, &events, &errors) || !XineramaIsActive(m_pDisplay)) return false;
    XineramaScreenInfo* screens = XineramaQueryScreens(m_pDisplay, &count);
    if (!screens) return false;
    bool stored = true;
    try {
        for (int i = 0; i < count; ++i)
            monitors.push_back(X11Place{screens[i].x_org, screens[i].y_org, screens[i].width, screens[i].height});
    } catch (const std::bad_alloc&) {
        stored = false;
    }
    XFree(screens);
    return stored && count > 0;
}

bool X11Display::WindowPlace(unsigned long window, X11Place& place) const {
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(m_pDisplay, window, &attributes)) return false;
    Window child = 0;
    int left = 0, top = 0;
    if (!XTranslateCoordinates(m_pDisplay, window, Root(), 0, 0, &left, &top, &child)) return false;
    place = X11Place{left, top, attributes.width, attributes.height};
    return true;
}

bool X11Display::Watch(unsigned long window) {
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(m_pDisplay, window, &attributes)) return false;
    XSelectInput(m_pDisplay, window, StructureNotifyMask);
    XFlush(m_pDisplay);
    m_nWatched = window;
    return true;
}

bool X11Display::WatchedWindowGone() {
    while (!m_bWatchedGone && XPending(m_pDisplay) > 0) {
        XEvent event;
        XNextEvent(m_pDisplay, &event);
        if (event.type == DestroyNotify && event.xdestroywindow.window == m_nWatched) m_bWatchedGone = true;
    }
    return m_bWatchedGone;
}

bool X11Display::ReadDrawable(unsigned long drawable, int x, int y, int width, int height,
                              DesktopImage& image) const {
    if (width < 1 || height < 1) return false;
    XImage* grabbed = XGetImage(m_pDisplay, drawable, x, y, static_cast<unsigned>(width),
                                static_cast<unsigned>(height), AllPlanes, ZPixmap);
    if (!grabbed) return false;
    PackedPixels pixels;
    pixels.data = reinterpret_cast<const std::uint8_t*>(grabbed->data);
    pixels.width = grabbed->width;
    pixels.height = grabbed->height;
    pixels.bytesPerLine = grabbed->bytes_per_line;
    pixels.bitsPerPixel = grabbed->bits_per_pixel;
    pixels.mostSignificantByteFirst = grabbed->byte_order == MSBFirst;
    FillMasks(m_pDisplay, *grabbed, pixels);
    const bool converted = PackedPixelsToDesktop(pixels, image);
    XDestroyImage(grabbed);
    return converted;
}

bool X11Display::SavedScreenshot(unsigned long window, DesktopImage& shot) const {
    const Atom property = XInternAtom(m_pDisplay, "_SCREENSAVER_SCREENSHOT", False);
    Atom type = 0;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* value = nullptr;
    Pixmap pixmap = 0;
    if (XGetWindowProperty(m_pDisplay, window, property, 0, 1, False, XA_PIXMAP, &type, &format, &count, &after,
                           &value) == Success &&
        type == XA_PIXMAP && format == 32 && count == 1 && value)
        pixmap = *reinterpret_cast<Pixmap*>(value);
    if (value) XFree(value);
    if (!pixmap) return false;
    Window root = 0;
    int x = 0, y = 0;
    unsigned width = 0, height = 0, border = 0, depth = 0;
    if (!XGetGeometry(m_pDisplay, pixmap, &root, &x, &y, &width, &height, &border, &depth)) return false;
    return ReadDrawable(pixmap, 0, 0, static_cast<int>(width), static_cast<int>(height), shot);
}

bool X11Display::Photograph(const X11Place& wanted, DesktopImage& image, X11Place& taken) const {
    XWindowAttributes root;
    if (!XGetWindowAttributes(m_pDisplay, Root(), &root)) return false;
    const int left = std::max(wanted.left, 0), top = std::max(wanted.top, 0);
    const int right = std::min(wanted.left + wanted.width, root.width);
    const int bottom = std::min(wanted.top + wanted.height, root.height);
    taken = X11Place{left, top, right - left, bottom - top};
    return ReadDrawable(Root(), left, top, taken.width, taken.height, image);
}
