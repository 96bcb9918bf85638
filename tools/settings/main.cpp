// SPDX-License-Identifier: GPL-2.0-or-later
// emberlux-settings: writes what the settings table describes for the front
// ends that read it from a file: the xscreensaver settings page, or the table
// as JSON for the browser's settings panel; to standard output or to FILE.
#include "tools/settings/SettingsDescriptions.h"

#include <cstdio>
#include <cstring>
#include <string>

int main(int argc, char** argv) {
    const bool xscreensaver = argc >= 2 && std::strcmp(argv[1], "--xscreensaver") == 0;
    const bool json = argc >= 2 && std::strcmp(argv[1], "--json") == 0;
    if ((!xscreensaver && !json) || argc > 3) {
        std::fputs("usage: emberlux-settings --xscreensaver | --json [FILE]\n", stderr);
        return 2;
    }
    const std::string text = xscreensaver ? XscreensaverPage() : SettingsTableJson();
    std::FILE* out = argc == 3 ? std::fopen(argv[2], "w") : stdout;
    if (!out) {
        std::fprintf(stderr, "emberlux-settings: cannot write %s\n", argv[2]);
        return 1;
    }
    const bool written = std::fputs(text.c_str(), out) >= 0;
    return (out == stdout ? std::fflush(out) == 0 : std::fclose(out) == 0) && written ? 0 : 1;
}
