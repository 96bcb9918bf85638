// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include "platform/NonCopyable.h"
#include "platform/PixelScreen.h"

#include <X11/Xlib.h>
#include <X11/extensions/XShm.h>

#include <vector>

// The picture of one X window, on a connection of its own (the server's
// answers to it are read here alone). Where the server has MIT-SHM and can
// attach our memory, the picture is a shared image that the server copies
// from itself: nothing goes through the socket, and the next picture waits
// for the server's completion event before it is written. Otherwise (a
// remote display, a server without the extension) each picture is sent
// with XPutImage.
class X11PixelScreen : public PixelScreen, private NonCopyable {
public:
    ~X11PixelScreen() override;

    // Connects to the display $DISPLAY names and draws into `window`; false
    // when there is no display or window, or the window's visual does not
    // take 24-bit true colour pixels as they are written.
    bool Attach(unsigned long window);

    int Resize(int width, int height) override;
    std::uint8_t* BeginPicture() override;
    std::ptrdiff_t Stride() const override { return m_pImage ? m_pImage->bytes_per_line : 0; }
    int Show() override;
    void Release() override;
    const char* Way() const override { return m_bShared ? "MIT-SHM" : "XPutImage"; }

private:
    bool MakeSharedImage(int width, int height);
    bool MakeSentImage(int width, int height);
    // Reads the server's completion events until every shared picture put
    // has been taken (or the server cannot be waited for any longer).
    void WaitForCompletion();

    Display* m_pDisplay = nullptr;
    Window m_nWindow = 0;
    Visual* m_pVisual = nullptr;
    GC m_Gc = nullptr;
    XImage* m_pImage = nullptr;
    XShmSegmentInfo m_Segment{};
    bool m_bShared = false;           // the server has MIT-SHM and may attach our memory
    int m_nCompletionEvent = 0;
    int m_nPending = 0;               // shared pictures put and not yet reported taken
    std::vector<std::uint32_t> m_Sent;  // the picture XPutImage sends
};
