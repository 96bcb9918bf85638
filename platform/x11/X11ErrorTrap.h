// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include "platform/NonCopyable.h"

#include <X11/Xlib.h>

// Tells whether the X requests made while it lives failed. Xlib reports
// errors to one handler for the whole process: this one counts them in place
// of the handler installed before, which it puts back when it goes. Xlib is
// used from one thread only.
class X11ErrorTrap : private NonCopyable {
public:
    // Waits for the answers to every earlier request first, so their errors do not count.
    explicit X11ErrorTrap(Display* display);
    ~X11ErrorTrap();

    // Waits for the server's answers to the requests made so far; true when any failed.
    bool Failed();

private:
    Display* m_pDisplay;
    XErrorHandler m_pPrevious;
};
