// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include "platform/DesktopImage.h"
#include "platform/NonCopyable.h"

#include <vector>

struct _XDisplay;

// A window's place: its top-left corner on the root window and its size.
struct X11Place {
    int left = 0, top = 0, width = 0, height = 0;
};

// What the native saver asks of the X server beyond what SDL does: the root
// window, where a window is, the screenshot a screen saver host saved before
// it blanked the screen, and a photograph of part of the screen. It keeps a
// connection of its own.
class X11Display : private NonCopyable {
public:
    ~X11Display();

    // Connects to the display $DISPLAY names; false without one.
    bool Open();
    unsigned long Root() const;
    // The monitors Xinerama reports, in its order (the primary first); false
    // when the server has no Xinerama or it is off.
    bool Monitors(std::vector<X11Place>& monitors) const;
    // False when the window does not exist.
    bool WindowPlace(unsigned long window, X11Place& place) const;

    // From now on notices when the window is destroyed.
    bool Watch(unsigned long window);
    // Whether the watched window has been destroyed (reads what the server
    // has sent; never waits).
    bool WatchedWindowGone();

    // The screenshot saved on the window (property _SCREENSAVER_SCREENSHOT:
    // a pixmap of the whole screen or of the window's part of it), whole;
    // false when there is none.
    bool SavedScreenshot(unsigned long window, DesktopImage& shot) const;
    // What the root window shows inside `wanted` now; `taken` is the part of
    // it that lies on the root window, which the image shows.
    bool Photograph(const X11Place& wanted, DesktopImage& image, X11Place& taken) const;

private:
    bool ReadDrawable(unsigned long drawable, int x, int y, int width, int height, DesktopImage& image) const;

    _XDisplay* m_pDisplay = nullptr;
    unsigned long m_nWatched = 0;
    bool m_bWatchedGone = false;
};

// Makes X errors harmless for the whole process: Xlib's own handler would end
// it when a window it draws into goes away. It replaces whatever handler was
// installed before.
void InstallX11ErrorHandler();
