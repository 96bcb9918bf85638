// SPDX-License-Identifier: GPL-2.0-or-later
#include "linux/SaverOptions.h"

#include <cerrno>
#include <cstdlib>
#include <vector>

const char* const kSaverUsage =
    "usage: emberlux [--root | --window-id ID | --window] [--fps] [--delay MS] [--load [PRESET]]\n"
    "                [--set NAME=VALUE | --set-NAME VALUE]... [--seed S]\n";

bool ParseWindowId(const std::string& text, unsigned long& id) {
    const bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
    const std::string digits = hex ? text.substr(2) : text;
    if (digits.empty() || digits.find_first_not_of(hex ? "0123456789abcdefABCDEF" : "0123456789") != std::string::npos)
        return false;
    errno = 0;
    const unsigned long long value = std::strtoull(digits.c_str(), nullptr, hex ? 16 : 10);
    if (errno != 0 || value == 0 || value > 0xFFFFFFFFull) return false;
    id = static_cast<unsigned long>(value);
    return true;
}

namespace {
// "-root" and "--root" are the same option.
std::string LongForm(const char* argument) {
    const std::string text = argument;
    return text.size() > 2 && text[0] == '-' && text[1] != '-' ? "-" + text : text;
}
}  // namespace

bool ParseSaverOptions(int argc, const char* const* argv, SaverOptions& options, std::string& error) {
    // The arguments with each option in its long form once it has been
    // reached; values stay as given. The long forms live as long as the view.
    std::vector<const char*> view(argv, argv + argc);
    std::vector<std::string> longForms(static_cast<std::size_t>(argc));
    for (int i = 1; i < argc; ++i) {
        longForms[i] = LongForm(argv[i]);
        const std::string& flag = longForms[i];
        view[i] = flag.c_str();
        const OptionTaken taken = TakeSettingOption(argc, view.data(), i, options.settings, error);
        if (taken == OptionTaken::Bad) return false;
        if (taken == OptionTaken::Yes) continue;
        const bool hasValue = i + 1 < argc;
        if (flag == "--root") {
            options.mode = OutputMode::Root;
        } else if (flag == "--window") {
            options.mode = OutputMode::Window;
        } else if (flag == "--fps") {
            options.showFps = true;
        } else if (flag == "--help" || flag == "-h") {
            options.help = true;
        } else if (flag == "--window-id") {
            if (!hasValue || !ParseWindowId(argv[i + 1], options.windowId)) {
                error = "--window-id wants a window id, in decimal or as 0x followed by hex digits";
                return false;
            }
            options.mode = OutputMode::WindowId;
            ++i;
        } else if (flag == "--delay") {
            long long delay = 0;
            if (!hasValue || !ParseWholeNumber(argv[i + 1], 0, kMaxDelayMs, delay)) {
                error = "--delay wants the milliseconds of one frame, 0 to " + std::to_string(kMaxDelayMs);
                return false;
            }
            options.frameFloorMs = static_cast<int>(delay);
            ++i;
        } else if (flag.rfind("--set-", 0) == 0 && flag.size() > 6) {
            // --set-NAME VALUE: the form a settings dialog can read back, one option per setting.
            if (!hasValue) {
                error = flag + " needs a value";
                return false;
            }
            if (!AddSettingAssignment(options.settings, flag.substr(6) + "=" + argv[++i], error)) return false;
        } else {
            error = "unknown option " + std::string(argv[i]) + " (--help lists the options)";
            return false;
        }
    }
    return true;
}
