// SPDX-License-Identifier: GPL-2.0-or-later
#include "tools/frames/FramesOptions.h"
#include "engine/FirePasses.h"
#include "run/RenderScale.h"
#include "settings/LoadNormalisation.h"
#include "run/SettingOptions.h"

namespace {
bool ParseSize(const std::string& text, int& width, int& height) {
    const std::size_t x = text.find('x');
    long long w = 0, h = 0;
    if (x == std::string::npos || !ParseWholeNumber(text.substr(0, x), 1, kMaxFrameSide, w) ||
        !ParseWholeNumber(text.substr(x + 1), 1, kMaxFrameSide, h))
        return false;
    width = static_cast<int>(w);
    height = static_cast<int>(h);
    return true;
}
}  // namespace

bool ParseFramesArguments(int argc, const char* const* argv, FramesOptions& options, std::string& error) {
    options.settings.ResetToLoadDefaults();
    SettingOptions shared;
    bool haveSize = false, haveFrames = false;
    for (int i = 1; i < argc; ++i) {
        const OptionTaken taken = TakeSettingOption(argc, argv, i, shared, error);
        if (taken == OptionTaken::Bad) return false;
        if (taken == OptionTaken::Yes) continue;
        const std::string flag = argv[i];
        auto value = [&](std::string& out) {
            if (i + 1 >= argc) {
                error = flag + " needs a value";
                return false;
            }
            out = argv[++i];
            return true;
        };
        std::string text;
        if (flag == "--hash") {
            options.hash = true;
        } else if (flag == "--size") {
            if (!value(text)) return false;
            if (!ParseSize(text, options.width, options.height)) {
                error = "--size wants WIDTHxHEIGHT, each 1 to 16384: " + text;
                return false;
            }
            haveSize = true;
        } else if (flag == "--field-of") {
            if (!value(text)) return false;
            if (!ParseSize(text, options.width, options.height)) {
                error = "--field-of wants WIDTHxHEIGHT, each 1 to 16384: " + text;
                return false;
            }
            options.fieldOnly = haveSize = haveFrames = true;
        } else if (flag == "--frames") {
            long long frames = 0;
            if (!value(text)) return false;
            if (!ParseWholeNumber(text, 0, INT32_MAX, frames)) {
                error = "--frames wants a count of 0 or more: " + text;
                return false;
            }
            options.frames = frames;
            haveFrames = true;
        } else if (flag == "--desktop") {
            if (!value(options.desktopPath)) return false;
        } else if (flag == "--cache-dir") {
            if (!value(options.cacheDir)) return false;
        } else if (flag == "--raw") {
            if (!value(options.rawPath)) return false;
        } else if (flag == "--gif") {
            if (!value(options.gifPath)) return false;
        } else if (flag == "--png") {
            if (!value(options.pngPath)) return false;
        } else if (flag == "--passes") {
            if (!value(text)) return false;
            if (!ParsePassLevel(text.c_str(), options.passes)) {
                error = "--passes wants scalar, sse2, ssse3, avx2 or avx512: " + text;
                return false;
            }
            options.forcePasses = true;
        } else {
            error = "unknown argument " + flag;
            return false;
        }
    }
    if (!haveSize || !haveFrames) {
        error = "usage: emberlux-frames --size WxH --frames N | --field-of WxH [--seed S] [--load [PRESET]] [--set NAME=VALUE]... "
                "[--desktop FILE.ppm] [--cache-dir DIR] [--hash] [--raw FILE] [--gif FILE] [--png FILE] "
                "[--passes scalar|sse2|ssse3|avx2|avx512]";
        return false;
    }
    Settings& settings = options.settings;
    settings.SetString(SettingId::CurrentPreset, "");
    if (shared.load && !LoadChosenRecord(shared, settings)) {
        error = "the settings store cannot be opened";
        return false;
    }
    settings.SetInt(SettingId::XRes, options.width);
    settings.SetInt(SettingId::YRes, options.height);
    if (!ApplySettingAssignments(settings, shared.assignments, error)) return false;
    options.width = IntOf(settings, SettingId::XRes);
    options.height = IntOf(settings, SettingId::YRes);
    if (options.fieldOnly) {
        const FieldSize field = FieldSizeFor(options.width, options.height, IntOf(settings, SettingId::RenderScale));
        options.width = field.width;
        options.height = field.height;
    }
    if (options.width < 1 || options.width > kMaxFrameSide || options.height < 1 || options.height > kMaxFrameSide) {
        error = "XRes and YRes must each be 1 to 16384";
        return false;
    }
    NormaliseBurstBounds(settings);
    NormaliseTextSwitch(settings);
    options.hasSeed = shared.hasSeed;
    options.seed = shared.seed;
    return true;
}
