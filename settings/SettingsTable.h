// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include <cstddef>
#include <string>
#include <vector>

// The one definition of every setting: id, registry value name, type, scope,
// the value after construction and the default used when loading finds nothing,
// the values a user may choose, where Save and CopyFrom take it in their
// orders, and where the configuration sheet offers it. The record, its store,
// the sheet's controls, the native saver's settings page and the browser's
// settings panel all read it from here.
enum class SettingType { Int, String };
enum class SettingScope { Root, Preset, Derived };

// The configuration sheet's pages: the general page (the panel beside the
// tabs) and the four tabs, in their order.
enum class SettingPage { None, General, Effects, Flames, Palette, Text };

enum class SettingControlKind {
    None,          // not offered by the sheet
    Slider,        // a slider from the lowest to the highest value
    Check,         // a box: ticked the highest value, clear the lowest
    ClearedCheck,  // a box: ticked the lowest value, clear the highest (Mute)
    Choice,        // one of the choices, for the values from the lowest up
    Lines,         // lines of text
    PaletteFile,   // a palette file of the palette folder
    Resolution,    // a display size
    Password,      // the saver's own password
    Preset,        // the name of a preset
};

// A setting's control: on the sheet when it has a page, in the other front
// ends' settings wherever it has a kind (and is not the Windows saver's alone).
struct SettingControl {
    SettingPage page;
    SettingControlKind kind;
    const char* box;        // the box of the page it stands in
    const char* heading;    // a heading inside the box it stands under, or null
    const char* label;      // its own label; null where the heading or box names it
    const char* lowLabel;   // a slider's end labels, or null
    const char* highLabel;
    const char* choices;    // a choice's labels for its values in order, '|' between; an empty one is not offered
    bool windowsOnly;       // what only the Windows saver has: display modes, DirectX, the password
};

struct SettingDef {
    int id;
    const char* valueName;  // null for the derived id 8, which is never stored
    SettingType type;
    SettingScope scope;
    int initialInt;
    const char* initialString;
    int loadDefaultInt;
    const char* loadDefaultString;
    int minValue, maxValue;  // what a user may choose; both 0 where nothing is offered
    int saveRank;            // its place in the order Save writes (from 1); 0: never written
    int copyRank;            // its place in the order CopyFrom copies (from 1)
    SettingControl control;

    bool HasBounds() const { return minValue < maxValue; }
};

// Every id from 0 to 33 but the unassigned 12.
constexpr std::size_t kSettingDefCount = 33;
extern const SettingDef kSettingDefs[kSettingDefCount];

// The definition of `id`, or null when the id is not assigned.
const SettingDef* FindSettingDef(int id);
// The definition stored under a registry value name, or null.
const SettingDef* FindSettingDefByName(const char* valueName);
// The definition at `rank` (from 1) of the Save or the CopyFrom order, or null past the last.
const SettingDef* SettingSavedAt(int rank);
const SettingDef* SettingCopiedAt(int rank);
// A choice's labels for its values from the lowest up (empty for one not
// offered); nothing for a setting of another control.
std::vector<std::string> SettingChoices(const SettingDef& def);
// The title of a page: "General" for the panel beside the tabs, a tab's caption
// for the others; null for SettingPage::None.
const char* SettingPageTitle(SettingPage page);
// The control's name where it stands alone: its heading and label, or the
// box, without the colon a label before its field ends with.
std::string SettingLabel(const SettingDef& def);
