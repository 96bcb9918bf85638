// SPDX-License-Identifier: GPL-2.0-or-later
// Lists the X windows whose title matches an extended regular expression,
// one id a line (decimal), in the order of the window tree:
//   x-windows-named [--viewable] REGEX
// --viewable keeps only the windows that are shown (mapped, as are all their
// parents). A window that goes away while it is being looked at is simply not
// listed: the searches of the usual X tools end the whole program with the
// error X reports then, so a window of another program closing at that moment
// would make the window asked for seem absent.
// Exit code 0 when at least one window matches, 1 when none does, 2 on bad use.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <regex.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {
int IgnoreError(Display*, XErrorEvent*) { return 0; }

// The window's title: the UTF-8 _NET_WM_NAME where it has one, else WM_NAME.
bool TitleOf(Display* display, Window window, std::string& title) {
    const Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
    const Atom names[] = {XInternAtom(display, "_NET_WM_NAME", False), XA_WM_NAME};
    const Atom types[] = {utf8, AnyPropertyType};
    for (int k = 0; k < 2; ++k) {
        Atom type = None;
        int format = 0;
        unsigned long count = 0, left = 0;
        unsigned char* data = nullptr;
        if (XGetWindowProperty(display, window, names[k], 0, 1024, False, types[k], &type, &format, &count, &left,
                               &data) != Success)
            return false;
        const bool found = data && type != None && format == 8;
        if (found) title.assign(reinterpret_cast<const char*>(data), count);
        if (data) XFree(data);
        if (found) return true;
    }
    return false;
}

int ListMatches(Display* display, Window parent, const regex_t& pattern, bool viewableOnly) {
    Window root = 0, parentOfParent = 0, *children = nullptr;
    unsigned int count = 0;
    if (!XQueryTree(display, parent, &root, &parentOfParent, &children, &count)) return 0;
    int matches = 0;
    for (unsigned int i = 0; i < count; ++i) {
        XWindowAttributes attributes;
        if (!XGetWindowAttributes(display, children[i], &attributes)) continue;
        if (viewableOnly && attributes.map_state != IsViewable) continue;
        std::string title;
        if (TitleOf(display, children[i], title) && regexec(&pattern, title.c_str(), 0, nullptr, 0) == 0) {
            std::printf("%lu\n", children[i]);
            ++matches;
        }
        matches += ListMatches(display, children[i], pattern, viewableOnly);
    }
    if (children) XFree(children);
    return matches;
}
}  // namespace

int main(int argc, char** argv) {
    const bool viewableOnly = argc == 3 && std::strcmp(argv[1], "--viewable") == 0;
    if (argc != 2 && !viewableOnly) {
        std::fprintf(stderr, "usage: x-windows-named [--viewable] REGEX\n");
        return 2;
    }
    regex_t pattern;
    if (regcomp(&pattern, argv[argc - 1], REG_EXTENDED | REG_NOSUB) != 0) {
        std::fprintf(stderr, "x-windows-named: not a regular expression: %s\n", argv[argc - 1]);
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "x-windows-named: cannot open the display\n");
        regfree(&pattern);
        return 2;
    }
    XSetErrorHandler(IgnoreError);
    const int matches = ListMatches(display, DefaultRootWindow(display), pattern, viewableOnly);
    XCloseDisplay(display);
    regfree(&pattern);
    return matches ? 0 : 1;
}
