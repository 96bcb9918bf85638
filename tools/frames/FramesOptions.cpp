#include "tools/frames/FramesOptions.h"
#include "engine/FirePasses.h"
#include "settings/LoadNormalisation.h"
#include "settings/SettingsTable.h"

#include <cerrno>
#include <cstdlib>
#include <vector>

namespace {
bool ParseInteger(const std::string& text, long long min, long long max, long long& out) {
    if (text.empty()) return false;
    char* end = nullptr;
    errno = 0;
    const long long value = std::strtoll(text.c_str(), &end, 10);
    if (errno != 0 || *end != '\0' || value < min || value > max) return false;
    out = value;
    return true;
}

bool ParseSize(const std::string& text, int& width, int& height) {
    const std::size_t x = text.find('x');
    long long w = 0, h = 0;
    if (x == std::string::npos || !ParseInteger(text.substr(0, x), 1, kMaxFrameSide, w) ||
        !ParseInteger(text.substr(x + 1), 1, kMaxFrameSide, h))
        return false;
    width = static_cast<int>(w);
    height = static_cast<int>(h);
    return true;
}

std::string WithLineFeeds(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size() && text[i + 1] == 'n') {
            out += '\n';
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

int IntOf(const Settings& settings, int id) {
    int value = 0;
    settings.GetInt(id, value);
    return value;
}
}  // namespace

bool ApplySettingAssignment(Settings& settings, const std::string& assignment, std::string& error) {
    const std::size_t equals = assignment.find('=');
    const std::string name = assignment.substr(0, equals);
    const SettingDef* def = equals == std::string::npos ? nullptr : FindSettingDefByName(name.c_str());
    if (!def) {
        error = "unknown setting in --set " + assignment;
        return false;
    }
    const std::string value = assignment.substr(equals + 1);
    if (def->type == SettingType::String) return settings.SetString(def->id, WithLineFeeds(value)) != 0;
    long long number = 0;
    if (!ParseInteger(value, INT32_MIN, INT32_MAX, number)) {
        error = "not a whole number in --set " + assignment;
        return false;
    }
    return settings.SetInt(def->id, static_cast<int>(number)) != 0;
}

bool ParseFramesArguments(int argc, const char* const* argv, FramesOptions& options, std::string& error) {
    options.settings.ResetToLoadDefaults();
    std::vector<std::string> assignments;
    bool haveSize = false, haveFrames = false, load = false, namedPreset = false;
    std::string presetName;
    for (int i = 1; i < argc; ++i) {
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
        } else if (flag == "--frames") {
            long long frames = 0;
            if (!value(text)) return false;
            if (!ParseInteger(text, 0, INT32_MAX, frames)) {
                error = "--frames wants a count of 0 or more: " + text;
                return false;
            }
            options.frames = frames;
            haveFrames = true;
        } else if (flag == "--seed") {
            long long seed = 0;
            if (!value(text)) return false;
            if (!ParseInteger(text, INT32_MIN, UINT32_MAX, seed)) {
                error = "--seed wants a whole number: " + text;
                return false;
            }
            options.seed = static_cast<std::uint32_t>(seed);
            options.hasSeed = true;
        } else if (flag == "--set") {
            if (!value(text)) return false;
            assignments.push_back(text);
        } else if (flag == "--load") {
            load = true;
            if (i + 1 < argc && std::string(argv[i + 1]).rfind("--", 0) != 0) {
                namedPreset = true;
                presetName = argv[++i];
            }
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
        error = "usage: emberlux-frames --size WxH --frames N [--seed S] [--load [PRESET]] [--set NAME=VALUE]... "
                "[--desktop FILE.ppm] [--cache-dir DIR] [--hash] [--raw FILE] [--gif FILE] [--png FILE] "
                "[--passes scalar|sse2|ssse3|avx2|avx512]";
        return false;
    }
    Settings& settings = options.settings;
    settings.SetString(SettingId::CurrentPreset, "");
    if (load && !(namedPreset ? settings.Load(presetName) : settings.Load())) {
        error = "the settings store cannot be opened";
        return false;
    }
    settings.SetInt(SettingId::XRes, options.width);
    settings.SetInt(SettingId::YRes, options.height);
    for (const std::string& assignment : assignments)
        if (!ApplySettingAssignment(settings, assignment, error)) return false;
    options.width = IntOf(settings, SettingId::XRes);
    options.height = IntOf(settings, SettingId::YRes);
    if (options.width < 1 || options.width > kMaxFrameSide || options.height < 1 || options.height > kMaxFrameSide) {
        error = "XRes and YRes must each be 1 to 16384";
        return false;
    }
    NormaliseBurstBounds(settings);
    NormaliseTextSwitch(settings);
    return true;
}
