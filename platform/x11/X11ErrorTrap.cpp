// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/x11/X11ErrorTrap.h"

#include <X11/Xlib.h>

namespace {
// Xlib calls its error handler with no context of ours, so the count is the
// file's own; Xlib runs on one thread.
int g_nTrappedErrors = 0;

int CountError(Display*, XErrorEvent*) {
    ++g_nTrappedErrors;
    return 0;
}
}  // namespace

X11ErrorTrap::X11ErrorTrap(Display* display) : m_pDisplay(display) {
    XSync(display, False);
    g_nTrappedErrors = 0;
    m_pPrevious = XSetErrorHandler(CountError);
}

X11ErrorTrap::~X11ErrorTrap() { XSetErrorHandler(m_pPrevious); }

bool X11ErrorTrap::Failed() {
    XSync(m_pDisplay, False);
    return g_nTrappedErrors > 0;
}
