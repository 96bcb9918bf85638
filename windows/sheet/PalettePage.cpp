// SPDX-License-Identifier: GPL-2.0-or-later
#include "windows/sheet/PalettePage.h"

#include "config/PageRules.h"
#include "windows/sheet/ConfigDialog.h"
#include "windows/sheet/ConfigResource.h"
#include "windows/sheet/DataExchange.h"
#include "windows/sheet/PromptDialog.h"
#include "windows/sheet/ToolbarStrip.h"
#include "palette/PaletteFile.h"
#include "palette/PaletteFolder.h"
#include "platform/Paths.h"
#include "windows/display/PreviewWnd.h"
#include "settings/InstallDirectory.h"
#include "settings/SettingIds.h"

#include <cstdio>

CPalettePage::CPalettePage(const SettingsReader& reader, SettingsWriter& writer)
    : CSettingsPage(reader, writer, IDD_PALETTE_PAGE, IDS_TAB_PALETTE) {}

std::string CPalettePage::Folder() const { return GetInstallDirectory() + kPaletteFolderName; }

bool CPalettePage::SetUpControls() {
    static const int kCommands[] = {IDC_PALETTE_NEW, IDC_PALETTE_SAVE, IDC_PALETTE_DELETE};
    m_hToolbar = CreateToolbarStrip(m_hWnd, IDC_PALETTE_TOOLBAR, IDB_TOOLBAR_FILE, kCommands, 3);
    if (!m_hToolbar) return false;
    if (HWND place = Item(IDC_PALETTE_EDITOR)) {
        RECT area;
        GetWindowRect(place, &area);
        MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&area), 2);
        m_Editor.Create(WS_VISIBLE, area, m_hWnd, 0);
    }
    SetUpSlider(m_hWnd, IDC_PALETTE_FADE, SettingId::FadeScreen, 10, true, 10);
    return true;
}

void CPalettePage::Exchange(bool pull) {
    ExchangeControls(m_hWnd,
                     {{IDC_PALETTE_FADE, m_nFade, ControlKind::Slider},
                      {IDC_PALETTE_CYCLE, m_nCycle, ControlKind::Check},
                      {IDC_PALETTE_FADE_BOTTOM, m_nFadeBottom, ControlKind::Check}},
                     pull);
}

void CPalettePage::RefreshLabel() {
    if (!m_hWnd) return;
    UpdateData(true);
    SetItemText(m_hWnd, IDC_PALETTE_FADE_LABEL, FormatPercentOrOff(m_nFade).c_str());
    EnableItem(m_hWnd, IDC_PALETTE_FADE_BOTTOM, m_nFade != 0);
}

void CPalettePage::RefillList() {
    HWND list = Item(IDC_PALETTE_LIST);
    if (!list) return;
    SendMessageA(list, CB_RESETCONTENT, 0, 0);
    SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(LoadResourceString(IDS_DEFAULT_PALETTE).c_str()));
    m_Names = EnumPaletteFiles(Folder());
    for (const std::string& name : m_Names) SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
}

std::string CPalettePage::SelectedPath() const {
    HWND list = Item(IDC_PALETTE_LIST);
    if (!list) return {};
    const LRESULT selected = SendMessageA(list, CB_GETCURSEL, 0, 0);
    if (selected == CB_ERR || selected <= 0) return {};
    return PalettePathAt(Folder(), m_Names, static_cast<int>(selected));
}

void CPalettePage::LoadSelectedPalette() {
    const std::string path = SelectedPath();
    FirePalette palette{};
    // A listed file that cannot be read any more shows the built-in palette,
    // while it stays the chosen file.
    const bool fromFile = !path.empty() && ReadPalette(palette, path);
    if (!fromFile) ReadPalette(palette, kBuiltInPaletteId);
    EnableToolButton(m_hToolbar, IDC_PALETTE_SAVE, !path.empty());
    EnableToolButton(m_hToolbar, IDC_PALETTE_DELETE, !path.empty());
    if (m_Editor.Handle()) EnableWindow(m_Editor.Handle(), fromFile ? TRUE : FALSE);
    m_strPath = path;
    m_Editor.SetPalette(palette);
}

void CPalettePage::SelectByPath(const std::string& path) {
    int position = PalettePositionOf(m_Names, path);
    if (position < 0) position = 0;
    SendDlgItemMessageA(m_hWnd, IDC_PALETTE_LIST, CB_SETCURSEL, position, 0);
    LoadSelectedPalette();
}

void CPalettePage::OnSetActive() {
    RefillList();
    SelectByPath(m_strPath);
    CSettingsPage::OnSetActive();
}

bool CPalettePage::OnKillActive() {
    if (!CSettingsPage::OnKillActive()) return false;
    if (!m_Editor.IsModified()) return true;
    const int answer = MessageBoxA(m_hWnd, LoadResourceString(IDS_PALETTE_MODIFIED).c_str(), "Emberlux!",
                                   MB_YESNOCANCEL | MB_ICONQUESTION);
    if (answer == IDCANCEL) return false;
    if (answer == IDYES) {
        OnSavePalette();
    } else {
        m_Editor.SetModified(0);
        LoadSelectedPalette();
    }
    return true;
}

void CPalettePage::OnNewPalette() {
    CPaletteNameDialog ask;
    if (ask.DoModal(GetAncestor(m_hWnd, GA_ROOT)) != IDOK) return;
    const std::string path = Folder() + ask.m_strName + ".pal";
    if (std::FILE* existing = std::fopen(path.c_str(), "rb")) {
        std::fclose(existing);
        if (MessageBoxA(m_hWnd, LoadResourceString(IDS_PALETTE_EXISTS).c_str(), "Emberlux!",
                        MB_OKCANCEL | MB_ICONQUESTION) != IDOK)
            return;
    }
    FirePalette palette;
    m_Editor.GetPalette(palette);
    if (!WritePaletteFile(path, palette, PaletteWriteMode::NewFile)) return;
    RefillList();
    SelectByPath(path);
}

void CPalettePage::OnSavePalette() {
    if (!m_Editor.IsModified()) return;
    const std::string path = SelectedPath();
    if (path.empty()) return;
    FirePalette palette;
    m_Editor.GetPalette(palette);
    if (WritePaletteFile(path, palette, PaletteWriteMode::ExistingFile)) m_Editor.SetModified(0);
}

void CPalettePage::OnDeletePalette() {
    const std::string path = SelectedPath();
    if (path.empty()) return;
    if (MessageBoxA(m_hWnd, LoadResourceString(IDS_PALETTE_DELETE).c_str(), "Emberlux!", MB_YESNO | MB_ICONQUESTION) !=
        IDYES)
        return;
    if (!DeleteFileA(path.c_str()))
        MessageBoxA(m_hWnd, LoadResourceString(IDS_PALETTE_CANT_DELETE).c_str(), "Emberlux!", MB_OK | MB_ICONSTOP);
    RefillList();
    // The built-in palette is now shown unedited: no question about saving it.
    SelectByPath("");
}

void CPalettePage::OnTimerTick() {
    CSettingsPage::OnTimerTick();
    if (CPreviewWnd* preview = m_pSheet ? m_pSheet->Preview() : nullptr) {
        FirePalette palette;
        m_Editor.GetPalette(palette);
        preview->SetPreviewPalette(palette);
    }
}

INT_PTR CPalettePage::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_HSCROLL) {
        RefreshLabel();
        NotifyChanged();
        return TRUE;
    }
    if (message == WM_COMMAND) {
        const int id = LOWORD(wParam), code = HIWORD(wParam);
        switch (id) {
        case IDC_PALETTE_CYCLE:
        case IDC_PALETTE_FADE_BOTTOM:
            if (code != BN_CLICKED) break;
            return TakeChange();
        case IDC_PALETTE_LIST:
            if (code == CBN_DROPDOWN) RefillList();
            if (code == CBN_SELCHANGE) LoadSelectedPalette();
            if (code == CBN_CLOSEUP && SendDlgItemMessageA(m_hWnd, IDC_PALETTE_LIST, CB_GETCURSEL, 0, 0) == CB_ERR) {
                SendDlgItemMessageA(m_hWnd, IDC_PALETTE_LIST, CB_SETCURSEL, 0, 0);
                LoadSelectedPalette();
            }
            return TRUE;
        case IDC_PALETTE_NEW:
            OnNewPalette();
            return TRUE;
        case IDC_PALETTE_SAVE:
            OnSavePalette();
            return TRUE;
        case IDC_PALETTE_DELETE:
            OnDeletePalette();
            return TRUE;
        }
    }
    return CSettingsPage::OnMessage(message, wParam, lParam);
}

int CPalettePage::LoadFromSettings(const SettingsReader& reader) {
    if (!reader.GetString(SettingId::Palette, m_strPath) ||
        !ReadIntSettings(reader, {{SettingId::FadeScreen, m_nFade},
                                  {SettingId::CycleColors, m_nCycle},
                                  {SettingId::FadeBottom, m_nFadeBottom}}))
        return 0;
    UpdateData(false);
    RefreshLabel();
    NotifyChanged();
    if (m_hWnd) {
        RefillList();
        SelectByPath(m_strPath);
    }
    return 1;
}

int CPalettePage::StoreToSettings(SettingsWriter& writer) {
    return writer.SetString(SettingId::Palette, m_strPath) &&
                   WriteIntSettings(writer, {{SettingId::FadeScreen, m_nFade},
                                             {SettingId::CycleColors, m_nCycle},
                                             {SettingId::FadeBottom, m_nFadeBottom}})
               ? 1
               : 0;
}
