// SPDX-License-Identifier: GPL-2.0-or-later
#include "tools/settings/SettingsDescriptions.h"
#include "run/RenderLoop.h"

#include <algorithm>
#include <cctype>
#include <sstream>

namespace {
const SettingPage kPages[] = {SettingPage::General, SettingPage::Effects, SettingPage::Flames, SettingPage::Palette,
                              SettingPage::Text, SettingPage::None};

// An element id: the letters and digits of a name, in lower case.
std::string Lower(const char* text) {
    std::string lower;
    for (const char* p = text; *p; ++p)
        if (std::isalnum(static_cast<unsigned char>(*p))) lower += static_cast<char>(std::tolower(static_cast<unsigned char>(*p)));
    return lower;
}

// Text in an XML attribute, and in a JSON string.
std::string XmlText(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '&') out += "&amp;";
        else if (c == '"') out += "&quot;";
        else if (c == '<') out += "&lt;";
        else if (c == '>') out += "&gt;";
        else out += c == '\n' ? ' ' : c;
    }
    return out;
}

std::string Json(const char* text) {
    if (!text) return "null";
    std::string out = "\"";
    for (const char* p = text; *p; ++p) {
        const char c = *p;
        if (c == '"' || c == '\\') out += std::string("\\") + c;
        else if (c == '\n') out += "\\n";
        else out += c;
    }
    return out + "\"";
}

bool IsSwitch(const SettingDef& def) {
    const SettingControlKind kind = def.control.kind;
    return kind == SettingControlKind::Check || kind == SettingControlKind::ClearedCheck ||
           (kind == SettingControlKind::Slider && def.maxValue - def.minValue == 1);
}

std::string SetArgument(const SettingDef& def, const std::string& value) {
    return std::string("--set-") + def.valueName + " " + value;
}

// A box ticks its highest value (a cleared one its lowest); a box that is
// ticked by default passes the other value when cleared.
std::string SwitchXml(const SettingDef& def) {
    const bool cleared = def.control.kind == SettingControlKind::ClearedCheck;
    const int ticked = cleared ? def.minValue : def.maxValue, clear = cleared ? def.maxValue : def.minValue;
    const std::string id = Lower(def.valueName), label = XmlText(SettingLabel(def));
    if (def.loadDefaultInt == ticked)
        return "    <boolean id=\"" + id + "\" _label=\"" + label + "\" arg-unset=\"" +
               SetArgument(def, std::to_string(clear)) + "\"/>\n";
    return "    <boolean id=\"" + id + "\" _label=\"" + label + "\" arg-set=\"" +
           SetArgument(def, std::to_string(ticked)) + "\"/>\n";
}

std::string SliderXml(const SettingDef& def) {
    const SettingControl& control = def.control;
    const std::string low = std::to_string(LowestOffered(def)), high = std::to_string(HighestOffered(def));
    return "    <number id=\"" + Lower(def.valueName) + "\" type=\"slider\" arg=\"" + SetArgument(def, "%") +
           "\"\n            _label=\"" + XmlText(SettingLabel(def)) + "\" _low-label=\"" +
           XmlText(control.lowLabel ? control.lowLabel : low) + "\" _high-label=\"" +
           XmlText(control.highLabel ? control.highLabel : high) + "\"\n            low=\"" + low + "\" high=\"" +
           high + "\" default=\"" + std::to_string(def.loadDefaultInt) + "\"/>\n";
}

// One option per offered choice; the default's passes nothing.
std::string ChoiceXml(const SettingDef& def) {
    std::string xml = "    <select id=\"" + Lower(def.valueName) + "\">\n";
    const std::vector<std::string> choices = SettingChoices(def);
    for (std::size_t i = 0; i < choices.size(); ++i) {
        if (choices[i].empty()) continue;
        const int value = def.minValue + static_cast<int>(i);
        xml += "     <option id=\"" + Lower(choices[i].c_str()) + "\" _label=\"" +
               XmlText(SettingLabel(def) + ": " + choices[i]) + "\"";
        if (value != def.loadDefaultInt) xml += " arg-set=\"" + SetArgument(def, std::to_string(value)) + "\"";
        xml += "/>\n";
    }
    return xml + "    </select>\n";
}

std::string TextXml(const SettingDef& def) {
    const bool file = def.control.kind == SettingControlKind::PaletteFile;
    const std::string label = file ? "Palette file (.pal)" : SettingLabel(def) + " (\\n between lines)";
    return std::string("  <") + (file ? "file" : "string") + " id=\"" + Lower(def.valueName) + "\" _label=\"" +
           XmlText(label) + "\" arg=\"" + SetArgument(def, "%") + "\"/>\n";
}

// The offered settings page by page, in table order within a page.
template <class Visit>
void ForEachOffered(Visit visit) {
    for (SettingPage page : kPages)
        for (const SettingDef& def : kSettingDefs)
            if (def.control.page == page && OfferedBeyondWindows(def)) visit(def);
}
}  // namespace

bool OfferedBeyondWindows(const SettingDef& def) {
    const SettingControlKind kind = def.control.kind;
    return !def.control.windowsOnly && kind != SettingControlKind::None && kind != SettingControlKind::Preset;
}

int LowestOffered(const SettingDef& def) { return std::min(def.minValue, def.loadDefaultInt); }
int HighestOffered(const SettingDef& def) { return std::max(def.maxValue, def.loadDefaultInt); }

std::string XscreensaverPage() {
    std::string ranges, switches, texts;
    ForEachOffered([&](const SettingDef& def) {
        if (def.type == SettingType::String) texts += TextXml(def);
        else if (def.control.kind == SettingControlKind::Choice) ranges += ChoiceXml(def);
        else if (IsSwitch(def)) switches += SwitchXml(def);
        else ranges += SliderXml(def);
    });
    std::ostringstream xml;
    xml << "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n\n"
        << "<screensaver name=\"emberlux\" _label=\"Emberlux!\">\n\n"
        << "  <command arg=\"--root\"/>\n\n"
        << "  <hgroup>\n   <vgroup>\n"
        << "    <number id=\"delay\" type=\"slider\" arg=\"--delay %\"\n"
        << "            _label=\"Frame rate\" _low-label=\"Low\" _high-label=\"High\"\n"
        << "            low=\"0\" high=\"100\" default=\"" << kFrameFloorMs << "\"\n"
        << "            convert=\"invert\"/>\n"
        << ranges << "   </vgroup>\n\n   <vgroup>\n"
        << switches << "    <boolean id=\"showfps\" _label=\"Show frame rate\" arg-set=\"--fps\"/>\n"
        << "   </vgroup>\n  </hgroup>\n\n"
        << texts << "\n  <_description>\n"
        << "A fire fills the screen: flames rise from the bottom and swirl, sparkles fly\n"
        << "up, fireballs wander, fireworks burst, lines of text burn along a ring, the\n"
        << "desktop shows through the low flames and burns away like paper, and every so\n"
        << "often the particles of a New Year scene gather into the year.\n\n"
        << "Settings and presets are shared with the emberlux-frames renderer, in\n"
        << "~/.config/emberlux/registry.reg; the values set here apply on top of them.\n"
        << "  </_description>\n</screensaver>\n";
    return xml.str();
}

std::string SettingsTableJson() {
    static const char* const kKinds[] = {"none",  "slider",  "check",      "clearedCheck", "choice",
                                         "lines", "palette", "resolution", "password",     "preset"};
    std::ostringstream json;
    json << "{\n  \"pages\": [";
    bool first = true;
    for (SettingPage page : kPages) {
        if (page == SettingPage::None) continue;
        json << (first ? "" : ", ") << "{\"page\": " << static_cast<int>(page)
             << ", \"title\": " << Json(SettingPageTitle(page)) << "}";
        first = false;
    }
    json << "],\n  \"settings\": [";
    first = true;
    ForEachOffered([&](const SettingDef& def) {
        const SettingControl& control = def.control;
        const bool text = def.type == SettingType::String;
        json << (first ? "\n" : ",\n") << "    {\"id\": " << def.id << ", \"name\": " << Json(def.valueName)
             << ", \"type\": " << (text ? "\"string\"" : "\"int\"") << ", \"default\": "
             << (text ? Json(def.loadDefaultString) : std::to_string(def.loadDefaultInt))
             << ", \"min\": " << (text ? 0 : LowestOffered(def)) << ", \"max\": " << (text ? 0 : HighestOffered(def))
             << ", \"page\": " << static_cast<int>(control.page)
             << ", \"kind\": \"" << kKinds[static_cast<int>(control.kind)] << "\", \"box\": " << Json(control.box)
             << ", \"heading\": " << Json(control.heading) << ", \"label\": " << Json(control.label)
             << ", \"lowLabel\": " << Json(control.lowLabel) << ", \"highLabel\": " << Json(control.highLabel)
             << ", \"choices\": " << Json(control.choices) << "}";
        first = false;
    });
    json << "\n  ]\n}\n";
    return json.str();
}
