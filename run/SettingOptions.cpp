// SPDX-License-Identifier: GPL-2.0-or-later
#include "run/SettingOptions.h"
#include "settings/SettingsTable.h"

#include <cerrno>
#include <cstdlib>

namespace {
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
}  // namespace

bool ParseWholeNumber(const std::string& text, long long min, long long max, long long& out) {
    if (text.empty()) return false;
    char* end = nullptr;
    errno = 0;
    const long long value = std::strtoll(text.c_str(), &end, 10);
    if (errno != 0 || *end != '\0' || value < min || value > max) return false;
    out = value;
    return true;
}

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
    if (!ParseWholeNumber(value, INT32_MIN, INT32_MAX, number)) {
        error = "not a whole number in --set " + assignment;
        return false;
    }
    return settings.SetInt(def->id, static_cast<int>(number)) != 0;
}

bool ApplySettingAssignments(Settings& settings, const std::vector<std::string>& assignments, std::string& error) {
    for (const std::string& assignment : assignments)
        if (!ApplySettingAssignment(settings, assignment, error)) return false;
    return true;
}

bool AddSettingAssignment(SettingOptions& options, const std::string& assignment, std::string& error) {
    Settings scratch;
    if (!ApplySettingAssignment(scratch, assignment, error)) return false;
    options.assignments.push_back(assignment);
    return true;
}

int LoadChosenRecord(const SettingOptions& options, Settings& settings) {
    return options.namedPreset ? settings.Load(options.presetName) : settings.Load();
}

OptionTaken TakeSettingOption(int argc, const char* const* argv, int& i, SettingOptions& options, std::string& error) {
    const std::string flag = argv[i];
    if (flag != "--set" && flag != "--seed" && flag != "--load") return OptionTaken::No;
    if (flag == "--load") {
        options.load = true;
        if (i + 1 < argc && argv[i + 1][0] != '-') {
            options.namedPreset = true;
            options.presetName = argv[++i];
        }
        return OptionTaken::Yes;
    }
    if (i + 1 >= argc) {
        error = flag + " needs a value";
        return OptionTaken::Bad;
    }
    const std::string value = argv[++i];
    if (flag == "--seed") {
        long long seed = 0;
        if (!ParseWholeNumber(value, INT32_MIN, UINT32_MAX, seed)) {
            error = "--seed wants a whole number: " + value;
            return OptionTaken::Bad;
        }
        options.seed = static_cast<std::uint32_t>(seed);
        options.hasSeed = true;
        return OptionTaken::Yes;
    }
    return AddSettingAssignment(options, value, error) ? OptionTaken::Yes : OptionTaken::Bad;
}
