// SPDX-License-Identifier: GPL-2.0-or-later
// The xscreensaver settings description of the native saver: every control
// must hand the saver an option it takes, name a real setting, stay inside the
// values the setting may take, and leave the saver's own default alone when it
// is left at its default.
#include "linux/SaverOptions.h"
#include "settings/SettingsTable.h"
#include "tools/settings/SettingsDescriptions.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <vector>

namespace {
using Attributes = std::map<std::string, std::string>;

struct Control {
    std::string tag;
    Attributes attributes;
};

std::vector<Control> ReadControls() {
    const std::string xml = XscreensaverPage();
    std::vector<Control> controls;
    const std::regex element(R"(<(command|number|boolean|option|string|file)\b([^>]*)/>)");
    const std::regex attribute(R"(([-\w]+)=\"([^\"]*)\")");
    for (std::sregex_iterator it(xml.begin(), xml.end(), element), end; it != end; ++it) {
        Control control{(*it)[1], {}};
        const std::string body = (*it)[2];
        for (std::sregex_iterator a(body.begin(), body.end(), attribute); a != end; ++a)
            control.attributes[(*a)[1]] = (*a)[2];
        controls.push_back(control);
    }
    return controls;
}

// Parses "emberlux --root ARGS" the way the saver does.
bool SaverTakes(const std::string& arguments, SaverOptions& options) {
    std::vector<std::string> words{"emberlux", "--root"};
    std::istringstream in(arguments);
    for (std::string word; in >> word;) words.push_back(word);
    std::vector<const char*> argv;
    for (const std::string& word : words) argv.push_back(word.c_str());
    std::string error;
    return ParseSaverOptions(static_cast<int>(argv.size()), argv.data(), options, error);
}

std::string WithValue(std::string argument, const std::string& value) {
    argument.replace(argument.find('%'), 1, value);
    return argument;
}

int WholeNumber(const std::string& text) {
    EXPECT_EQ(text.find_first_not_of("-0123456789"), std::string::npos) << "settings are whole numbers: " << text;
    return std::stoi(text);
}
}  // namespace

TEST(SaverSettingsXml, EveryControlGivesAnOptionTheSaverTakes) {
    const std::vector<Control> controls = ReadControls();
    ASSERT_GT(controls.size(), 15u);
    std::set<std::string> valueSwitches;
    for (const Control& control : controls) {
        for (const char* key : {"arg", "arg-set", "arg-unset"}) {
            auto found = control.attributes.find(key);
            if (found == control.attributes.end()) continue;
            const std::string& argument = found->second;
            SaverOptions options;
            if (argument.find('%') == std::string::npos) {
                EXPECT_TRUE(SaverTakes(argument, options)) << argument;
                continue;
            }
            // The settings dialog reads a command back by its switches: one switch per value.
            EXPECT_TRUE(valueSwitches.insert(argument.substr(0, argument.find(' '))).second) << argument;
            for (const char* value : {"low", "high", "default"}) {
                if (control.attributes.count(value) == 0) continue;
                EXPECT_TRUE(SaverTakes(WithValue(argument, control.attributes.at(value)), options)) << argument;
            }
            if (control.tag == "string" || control.tag == "file") {
                EXPECT_TRUE(SaverTakes(WithValue(argument, "some\\ntext"), options)) << argument;
            }
        }
    }
}

TEST(SaverSettingsXml, EverySettingIsRealItsRangeFitsAndItsDefaultIsTheSavers) {
    const std::regex set(R"(--set-(\w+)(?: (-?\w+))?)");
    int settings = 0;
    for (const Control& control : ReadControls()) {
        for (const auto& [key, argument] : control.attributes) {
            std::smatch match;
            if (key.rfind("arg", 0) != 0 || !std::regex_search(argument, match, set)) continue;
            ++settings;
            const SettingDef* def = FindSettingDefByName(match[1].str().c_str());
            ASSERT_NE(def, nullptr) << argument;
            if (control.tag == "string" || control.tag == "file") {
                EXPECT_EQ(def->type, SettingType::String) << argument;
                continue;
            }
            ASSERT_EQ(def->type, SettingType::Int) << argument;
            ASSERT_TRUE(def->HasBounds()) << argument << " offers a setting no dialog offers";
            if (control.tag == "number") {
                const int low = WholeNumber(control.attributes.at("low"));
                const int high = WholeNumber(control.attributes.at("high"));
                const int byDefault = WholeNumber(control.attributes.at("default"));
                EXPECT_EQ(low, std::min(def->minValue, def->loadDefaultInt)) << argument;
                EXPECT_EQ(high, std::max(def->maxValue, def->loadDefaultInt)) << argument;
                EXPECT_LT(low, high) << argument;
                EXPECT_EQ(byDefault, def->loadDefaultInt) << argument;
            } else {
                // A box or a choice sets a value the setting does not have by default.
                const int value = WholeNumber(match[2]);
                EXPECT_GE(value, def->minValue) << argument;
                EXPECT_LE(value, def->maxValue) << argument;
                EXPECT_NE(value, def->loadDefaultInt) << argument;
            }
        }
    }
    EXPECT_GE(settings, 18);
}

TEST(SaverSettingsXml, TheFrameRateSliderCoversTheSaversDelays) {
    for (const Control& control : ReadControls()) {
        if (control.attributes.count("arg") == 0 || control.attributes.at("arg") != "--delay %") continue;
        EXPECT_EQ(WholeNumber(control.attributes.at("default")), kFrameFloorMs);
        EXPECT_GE(WholeNumber(control.attributes.at("low")), 0);
        EXPECT_LE(WholeNumber(control.attributes.at("high")), kMaxDelayMs);
        return;
    }
    ADD_FAILURE() << "no frame rate slider";
}
