// SPDX-License-Identifier: GPL-2.0-or-later
// The settings table names each control as the configuration sheet's dialogs
// do: every box, heading, label, end label and choice it gives stands in the
// dialog of the page it names.
#include "settings/SettingsTable.h"

#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>

namespace {
const char* DialogOf(SettingPage page) {
    switch (page) {
    case SettingPage::General: return "IDD_LEFT_PANEL";
    case SettingPage::Effects: return "IDD_EFFECTS_PAGE";
    case SettingPage::Flames: return "IDD_FLAMES_PAGE";
    case SettingPage::Palette: return "IDD_PALETTE_PAGE";
    case SettingPage::Text: return "IDD_TEXT_PAGE";
    case SettingPage::None: break;
    }
    return nullptr;
}

// The texts of a dialog template, as the dialog shows them, its caption among them.
std::set<std::string> DialogTexts(const std::string& dialog) {
    std::ifstream in(EMBERLUX_SOURCE_DIR "/resources/win32/config.rc");
    std::stringstream whole;
    whole << in.rdbuf();
    const std::string rc = whole.str();
    const std::size_t start = rc.find("\n" + dialog + " DIALOGEX");
    const std::size_t end = rc.find("\nEND", start);
    std::set<std::string> texts;
    if (start == std::string::npos || end == std::string::npos) return texts;
    const std::string body = rc.substr(start, end - start);
    const std::regex quoted(R"delim("((?:[^"]|"")*)")delim");
    for (std::sregex_iterator it(body.begin(), body.end(), quoted), last; it != last; ++it) {
        std::string text = (*it)[1];
        text = std::regex_replace(text, std::regex("\"\""), "\"");
        text = std::regex_replace(text, std::regex("&&"), "&");
        text = std::regex_replace(text, std::regex(R"(\\n)"), "\n");
        texts.insert(text);
    }
    return texts;
}
}  // namespace

TEST(SheetLabels, EveryTabIsTitledAsItsDialog) {
    for (SettingPage page : {SettingPage::Effects, SettingPage::Flames, SettingPage::Palette, SettingPage::Text})
        EXPECT_EQ(DialogTexts(DialogOf(page)).count(SettingPageTitle(page)), 1u) << SettingPageTitle(page);
}

TEST(SheetLabels, EveryControlOfTheTableIsNamedAsItsPageNamesIt) {
    int checked = 0;
    for (const SettingDef& def : kSettingDefs) {
        const SettingControl& control = def.control;
        if (control.page == SettingPage::None) continue;
        const std::set<std::string> texts = DialogTexts(DialogOf(control.page));
        ASSERT_FALSE(texts.empty()) << DialogOf(control.page);
        for (const char* text : {control.box, control.heading, control.label, control.lowLabel, control.highLabel}) {
            if (!text) continue;
            EXPECT_EQ(texts.count(text), 1u) << def.id << ": \"" << text << "\" is not on " << DialogOf(control.page);
            ++checked;
        }
        // The general page fills its lists at run time, from the table.
        if (control.page == SettingPage::General) continue;
        for (const std::string& choice : SettingChoices(def)) {
            if (choice.empty()) continue;
            EXPECT_EQ(texts.count(choice), 1u) << def.id << ": \"" << choice << "\"";
        }
    }
    EXPECT_GT(checked, 50);
}
