// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include "windows/sheet/PaletteEditor.h"
#include "windows/sheet/TexturedPage.h"

#include <string>
#include <vector>

// The Color Palette page (dialog 157): chooses, edits, saves and deletes
// palette files, and sets the desktop picture, its fade and colour cycling.
// While its window exists it hands the editor's palette to the live preview
// ten times a second.
class CPalettePage : public CSettingsPage {
public:
    CPalettePage(const SettingsReader& reader, SettingsWriter& writer);
    int StoreToSettings(SettingsWriter& writer) override;
    int LoadFromSettings(const SettingsReader& reader) override;

protected:
    bool SetUpControls() override;
    INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void Exchange(bool pull) override;
    void OnSetActive() override;
    bool OnKillActive() override;
    void OnTimerTick() override;

private:
    std::string Folder() const;
    void RefreshLabel();
    void RefillList();
    std::string SelectedPath() const;
    void LoadSelectedPalette();
    void SelectByPath(const std::string& path);
    void OnNewPalette();
    void OnSavePalette();
    void OnDeletePalette();

    std::string m_strPath;
    int m_nFade = 0, m_nCycle = 0, m_nFadeBottom = 0;
    HWND m_hToolbar = nullptr;
    CPaletteEditor m_Editor;
    // The names the list shows, in its order: positions resolve against
    // these, not against a fresh look at the folder.
    std::vector<std::string> m_Names;
};
