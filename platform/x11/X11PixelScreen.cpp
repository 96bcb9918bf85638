// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/x11/X11PixelScreen.h"
#include "platform/x11/X11ErrorTrap.h"

#include <X11/Xutil.h>

#include <poll.h>
#include <sys/ipc.h>
#include <sys/shm.h>

#include <chrono>
#include <new>

namespace {
// How long a shared picture may stay with the server before the server is
// asked to answer everything (a put into a window that has gone is never
// reported taken).
constexpr int kCompletionWaitMs = 100;

// Whether the server stores pixels of this depth in this many bits.
bool HasPixmapFormat(Display* display, int depth, int bitsPerPixel) {
    int count = 0;
    XPixmapFormatValues* formats = XListPixmapFormats(display, &count);
    bool found = false;
    for (int i = 0; i < count; ++i)
        found = found || (formats[i].depth == depth && formats[i].bits_per_pixel == bitsPerPixel);
    if (formats) XFree(formats);
    return found;
}

// The pixels IndexedToPixels writes: 0x00RRGGBB words, lowest byte first.
// SDL makes its windows DirectColor where it can, with a colour map that
// passes each channel through as it is.
bool TakesOurPixels(const XWindowAttributes& attributes) {
    const Visual& visual = *attributes.visual;
    return attributes.depth == 24 && (visual.c_class == TrueColor || visual.c_class == DirectColor) &&
           visual.red_mask == 0xFF0000 && visual.green_mask == 0xFF00 && visual.blue_mask == 0xFF;
}

long long NowMs() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}
}  // namespace

X11PixelScreen::~X11PixelScreen() {
    Release();
    if (m_Gc) XFreeGC(m_pDisplay, m_Gc);
    if (m_pDisplay) XCloseDisplay(m_pDisplay);
}

bool X11PixelScreen::Attach(unsigned long window) {
    m_pDisplay = XOpenDisplay(nullptr);
    if (!m_pDisplay) return false;
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(m_pDisplay, window, &attributes) || !TakesOurPixels(attributes) ||
        !HasPixmapFormat(m_pDisplay, 24, 32))
        return false;
    m_nWindow = window;
    m_pVisual = attributes.visual;
    XGCValues values{};
    values.graphics_exposures = False;
    m_Gc = XCreateGC(m_pDisplay, window, GCGraphicsExposures, &values);
    m_bShared = XShmQueryExtension(m_pDisplay);
    if (m_bShared) m_nCompletionEvent = XShmGetEventBase(m_pDisplay) + ShmCompletion;
    return m_Gc != nullptr;
}

int X11PixelScreen::Resize(int width, int height) {
    Release();
    if (!m_Gc || width < 1 || height < 1) return 0;
    if (m_bShared && MakeSharedImage(width, height)) return 1;
    // The server cannot see our memory (a remote display): send every picture from now on.
    m_bShared = false;
    return MakeSentImage(width, height) ? 1 : 0;
}

bool X11PixelScreen::MakeSharedImage(int width, int height) {
    m_pImage = XShmCreateImage(m_pDisplay, m_pVisual, 24, ZPixmap, nullptr, &m_Segment, static_cast<unsigned>(width),
                               static_cast<unsigned>(height));
    if (!m_pImage) return false;
    bool attached = false;
    if (m_pImage->bits_per_pixel == 32 && m_pImage->byte_order == LSBFirst) {
        const std::size_t bytes = static_cast<std::size_t>(m_pImage->bytes_per_line) * height;
        m_Segment.shmid = shmget(IPC_PRIVATE, bytes, IPC_CREAT | 0600);
        void* memory = m_Segment.shmid < 0 ? reinterpret_cast<void*>(-1) : shmat(m_Segment.shmid, nullptr, 0);
        if (memory != reinterpret_cast<void*>(-1)) {
            m_Segment.shmaddr = static_cast<char*>(memory);
            m_pImage->data = m_Segment.shmaddr;
            m_Segment.readOnly = True;
            // A server that cannot see our memory (reached over the network) refuses it
            // with an error, not a result.
            X11ErrorTrap trap(m_pDisplay);
            attached = XShmAttach(m_pDisplay, &m_Segment) && !trap.Failed();
        }
        // The segment goes once both sides have let go of it, even if we crash.
        if (m_Segment.shmid >= 0) shmctl(m_Segment.shmid, IPC_RMID, nullptr);
    }
    if (attached) return true;
    if (m_pImage->data) shmdt(m_Segment.shmaddr);
    XDestroyImage(m_pImage);
    m_pImage = nullptr;
    return false;
}

bool X11PixelScreen::MakeSentImage(int width, int height) {
    try {
        m_Sent.assign(static_cast<std::size_t>(width) * height, 0);
    } catch (const std::bad_alloc&) {
        return false;
    }
    m_pImage = XCreateImage(m_pDisplay, m_pVisual, 24, ZPixmap, 0, reinterpret_cast<char*>(m_Sent.data()),
                            static_cast<unsigned>(width), static_cast<unsigned>(height), 32, 4 * width);
    if (!m_pImage) return false;
    // Xlib turns the bytes round for a server of the other byte order.
    m_pImage->byte_order = LSBFirst;
    return true;
}

void X11PixelScreen::WaitForCompletion() {
    const long long deadline = NowMs() + kCompletionWaitMs;
    XEvent event;
    for (;;) {
        while (m_nPending > 0 && XCheckTypedEvent(m_pDisplay, m_nCompletionEvent, &event)) --m_nPending;
        const long long left = deadline - NowMs();
        if (m_nPending == 0 || left <= 0) break;
        pollfd connection{ConnectionNumber(m_pDisplay), POLLIN, 0};
        poll(&connection, 1, static_cast<int>(left));
    }
    if (m_nPending == 0) return;
    // Once the server has answered every request, a completion still missing never comes.
    XSync(m_pDisplay, False);
    while (XCheckTypedEvent(m_pDisplay, m_nCompletionEvent, &event)) {
    }
    m_nPending = 0;
}

std::uint8_t* X11PixelScreen::BeginPicture() {
    if (!m_pImage) return nullptr;
    if (m_bShared) WaitForCompletion();
    return reinterpret_cast<std::uint8_t*>(m_pImage->data);
}

int X11PixelScreen::Show() {
    if (!m_pImage) return 0;
    const unsigned width = static_cast<unsigned>(m_pImage->width), height = static_cast<unsigned>(m_pImage->height);
    if (m_bShared) {
        if (!XShmPutImage(m_pDisplay, m_nWindow, m_Gc, m_pImage, 0, 0, 0, 0, width, height, True)) return 0;
        ++m_nPending;
    } else {
        XPutImage(m_pDisplay, m_nWindow, m_Gc, m_pImage, 0, 0, 0, 0, width, height);
    }
    XFlush(m_pDisplay);
    return 1;
}

void X11PixelScreen::Release() {
    if (!m_pImage) return;
    if (m_bShared) {
        WaitForCompletion();
        XShmDetach(m_pDisplay, &m_Segment);
        XFlush(m_pDisplay);
        shmdt(m_Segment.shmaddr);
    } else {
        m_pImage->data = nullptr;  // the vector's
    }
    XDestroyImage(m_pImage);
    m_pImage = nullptr;
}
