// SPDX-License-Identifier: GPL-2.0-or-later
#include "windows/sheet/LeftPanel.h"

#include "config/NameRules.h"
#include "windows/sheet/ChangePasswordDlg.h"
#include "windows/sheet/ConfigDialog.h"
#include "windows/sheet/ConfigResource.h"
#include "windows/sheet/DataExchange.h"
#include "windows/sheet/PromptDialog.h"
#include "windows/sheet/ToolbarStrip.h"
#include "platform/MessageBox.h"
#include "run/RenderScale.h"
#include "windows/display/DisplayOutput.h"
#include "windows/display/PreviewWnd.h"
#include "settings/Presets.h"
#include "settings/SettingsTable.h"
#include "sound/SoundPlayer.h"

#include <new>

int g_bRefreshingPreview = 0;

CLeftPanel::CLeftPanel(Settings& record, CConfigDialog& sheet)
    : CDialogWindow(IDD_LEFT_PANEL), m_Record(record), m_Sheet(sheet) {}

bool CLeftPanel::IsChecked(int id) const { return IsDlgButtonChecked(m_hWnd, id) == BST_CHECKED; }

BOOL CLeftPanel::OnInitDialog() {
    FitPreviewPicture();
    static const int kCommands[] = {IDC_PRESET_SAVE_AS, IDC_PRESET_SAVE, IDC_PRESET_DELETE};
    // Without its toolbar the panel still works; the preset buttons are then
    // simply not there (every use of the toolbar checks for it).
    m_hToolbar = CreateToolbarStrip(m_hWnd, IDC_PANEL_TOOLBAR, IDB_TOOLBAR_FILE, kCommands, 3);

    int value = 0;
    m_Record.GetInt(SettingId::SoundVolume, value);
    CheckDlgButton(m_hWnd, IDC_PANEL_MUTE, value == 0 ? BST_CHECKED : BST_UNCHECKED);
    std::string password;
    m_Record.GetString(SettingId::Password, password);
    CheckDlgButton(m_hWnd, IDC_PANEL_PASSWORD, password.empty() ? BST_UNCHECKED : BST_CHECKED);
    value = 0;
    m_Record.GetInt(SettingId::UseDirectX, value);
    CheckDlgButton(m_hWnd, IDC_PANEL_DIRECTX, value != 0 ? BST_CHECKED : BST_UNCHECKED);
    m_nRandom = 0;
    m_Record.GetInt(SettingId::RunPresetCycle, m_nRandom);
    ExchangeCheck(m_hWnd, IDC_PANEL_RANDOM, m_nRandom, false);
    RefreshPresetList();
    BuildResolutionList();
    FillDetailList();
    return TRUE;
}

INT_PTR CLeftPanel::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    INT_PTR textured = 0;
    if (HandleTexture(message, wParam, lParam, textured)) return textured;
    switch (message) {
    case WM_COMMAND:
        OnCommand(LOWORD(wParam), HIWORD(wParam));
        return TRUE;
    case WM_DESTROY:
        DestroyPreview();
        if (m_hPreviewPicture) {
            SendDlgItemMessageA(m_hWnd, IDC_PANEL_PREVIEW, STM_SETIMAGE, IMAGE_BITMAP, 0);
            DeleteObject(m_hPreviewPicture);
            m_hPreviewPicture = nullptr;
        }
        return FALSE;
    }
    return FALSE;
}

void CLeftPanel::OnCommand(int id, int code) {
    switch (id) {
    case IDC_PANEL_PRESETS:
        if (code == CBN_DROPDOWN) RefreshPresetList();
        if (code == CBN_SELCHANGE) OnPresetChosen();
        break;
    case IDC_PANEL_RESOLUTION:
        if (code == CBN_SELCHANGE) OnResolutionChosen();
        break;
    case IDC_PRESET_SAVE:
        OnSavePreset();
        break;
    case IDC_PRESET_SAVE_AS:
        OnSavePresetAs();
        break;
    case IDC_PRESET_DELETE:
        OnDeletePreset();
        break;
    case IDC_PANEL_DETAIL:
        if (code == CBN_SELCHANGE) OnDetailChosen();
        break;
    case IDC_PANEL_DIRECTX:
        m_Record.SetInt(SettingId::UseDirectX, IsChecked(IDC_PANEL_DIRECTX) ? 1 : 0);
        BuildResolutionList();
        break;
    case IDC_PANEL_MUTE: {
        const bool mute = IsChecked(IDC_PANEL_MUTE);
        m_Record.SetInt(SettingId::SoundVolume, mute ? 0 : 100);
        g_bMute = mute ? 1 : 0;
        RefreshPreview();
        break;
    }
    case IDC_PANEL_PASSWORD:
        OnPasswordClicked();
        break;
    case IDC_PANEL_RANDOM:
        ExchangeCheck(m_hWnd, IDC_PANEL_RANDOM, m_nRandom, true);
        m_Record.SetInt(SettingId::RunPresetCycle, m_nRandom);
        m_Record.SetInt(SettingId::PrevRunPreset, 0);
        break;
    case IDC_PANEL_AUTOPREVIEW:
        RefreshPreview();
        break;
    }
}

void CLeftPanel::FitPreviewPicture() {
    HWND frame = Item(IDC_PANEL_PREVIEW);
    RECT inside{0, 0, 0, 0};
    if (frame) GetClientRect(frame, &inside);
    if (inside.right <= 0 || inside.bottom <= 0) return;
    HBITMAP source = static_cast<HBITMAP>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDB_PREVIEW_FRAME),
                                                     IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    BITMAP size{};
    if (!source || !GetObjectA(source, sizeof size, &size)) {
        if (source) DeleteObject(source);
        return;
    }
    BITMAPINFO format{};
    format.bmiHeader = BITMAPINFOHEADER{sizeof(BITMAPINFOHEADER), inside.right, inside.bottom, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP fitted = CreateDIBSection(nullptr, &format, DIB_RGB_COLORS, &bits, nullptr, 0);
    HDC from = CreateCompatibleDC(nullptr), to = CreateCompatibleDC(nullptr);
    if (fitted && from && to) {
        HGDIOBJ oldFrom = SelectObject(from, source), oldTo = SelectObject(to, fitted);
        // Smoothly: the glowing embers must not turn into blocks.
        SetStretchBltMode(to, HALFTONE);
        SetBrushOrgEx(to, 0, 0, nullptr);
        StretchBlt(to, 0, 0, inside.right, inside.bottom, from, 0, 0, size.bmWidth, size.bmHeight, SRCCOPY);
        SelectObject(from, oldFrom);
        SelectObject(to, oldTo);
        // The frame keeps its box (SS_REALSIZECONTROL); the picture it loaded itself is freed here.
        if (HGDIOBJ loaded = reinterpret_cast<HGDIOBJ>(
                SendMessageA(frame, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(fitted))))
            DeleteObject(loaded);
        m_hPreviewPicture = fitted;
        fitted = nullptr;
    }
    if (from) DeleteDC(from);
    if (to) DeleteDC(to);
    if (fitted) DeleteObject(fitted);
    DeleteObject(source);
}

void CLeftPanel::EnablePresetButtons(bool enable) {
    EnableToolButton(m_hToolbar, IDC_PRESET_SAVE, enable);
    EnableToolButton(m_hToolbar, IDC_PRESET_DELETE, enable);
}

void CLeftPanel::RefreshPresetList() {
    HWND list = Item(IDC_PANEL_PRESETS);
    if (!list) return;
    SendMessageA(list, CB_RESETCONTENT, 0, 0);
    std::vector<std::string> entries{kDefaultPresetEntry};
    int cursor = 0;
    std::string name;
    while (EnumPresets(cursor, name)) entries.push_back(name);
    for (const std::string& entry : entries) SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));

    std::string current;
    m_Record.GetPresetName(current);
    const int chosen = PresetEntryToSelect(entries, current);
    SendMessageA(list, CB_SETCURSEL, chosen >= 0 ? chosen : 0, 0);
    EnablePresetButtons(chosen >= 0);
}

void CLeftPanel::OnPresetChosen() {
    HWND list = Item(IDC_PANEL_PRESETS);
    const LRESULT chosen = SendMessageA(list, CB_GETCURSEL, 0, 0);
    if (chosen == CB_ERR) {
        RefreshPresetList();
        return;
    }
    char text[512] = {};
    if (SendMessageA(list, CB_GETLBTEXTLEN, chosen, 0) < static_cast<LRESULT>(sizeof text))
        SendMessageA(list, CB_GETLBTEXT, chosen, reinterpret_cast<LPARAM>(text));
    const std::string name = PresetNameOfEntry(text);
    EnablePresetButtons(!name.empty());
    m_Record.SelectPreset(name);
    m_Sheet.LoadAllPages(m_Record);
}

void CLeftPanel::OnSavePreset() {
    m_Sheet.StoreAllPages(m_Record);
    std::string name;
    m_Record.GetPresetName(name);
    m_Record.SaveAs(name);
    RefreshPresetList();
}

void CLeftPanel::OnSavePresetAs() {
    m_Sheet.StoreAllPages(m_Record);
    std::string name;
    m_Record.GetPresetName(name);
    if (CPromptDialog(name, "Save preset as...", "Enter preset name:").DoModal(m_Sheet.Handle()) != IDOK) return;
    m_Record.SaveAs(name);
    RefreshPresetList();
}

void CLeftPanel::OnDeletePreset() {
    if (MessageBoxA(m_Sheet.Handle(), "Are you sure to delete this preset?", "Emberlux!",
                    MB_OKCANCEL | MB_ICONQUESTION) != IDOK)
        return;
    std::string name;
    m_Record.GetPresetName(name);
    if (name.empty()) return;
    if (!m_Record.SelectPreset("")) return;
    DeletePreset(name);
    m_Sheet.LoadAllPages(m_Record);
    RefreshPresetList();
}

void CLeftPanel::OnPasswordClicked() {
    if (IsChecked(IDC_PANEL_PASSWORD)) {
        CChangePasswordDlg(m_Record, m_Record, m_Sheet.Handle()).DoModal();
        std::string password;
        m_Record.GetString(SettingId::Password, password);
        CheckDlgButton(m_hWnd, IDC_PANEL_PASSWORD, password.empty() ? BST_UNCHECKED : BST_CHECKED);
        return;
    }
    ShowMessageBox(m_Sheet.Handle(), "Password protection disabled!.", MessageIcon::Information);
    m_Record.SetString(SettingId::Password, "");
}

void CLeftPanel::BuildResolutionList() {
    HWND list = Item(IDC_PANEL_RESOLUTION);
    if (!list) return;
    SendMessageA(list, CB_RESETCONTENT, 0, 0);
    std::vector<DisplaySize> reported;
    const int listed = DisplayOutput::ListDisplayModes(reported);
    SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("Current"));
    m_Sizes = OfferedDisplaySizes(reported, listed, IsChecked(IDC_PANEL_DIRECTX));
    for (const DisplaySize& size : m_Sizes)
        SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(DisplaySizeLabel(size).c_str()));
    int isCurrent = 0, xRes = 0, yRes = 0;
    m_Record.GetInt(SettingId::ResolutionIsCurrent, isCurrent);
    m_Record.GetInt(SettingId::XRes, xRes);
    m_Record.GetInt(SettingId::YRes, yRes);
    SendMessageA(list, CB_SETCURSEL, ResolutionEntryToSelect(m_Sizes, isCurrent != 0, xRes, yRes), 0);
}

void CLeftPanel::OnResolutionChosen() {
    const LRESULT chosen = SendDlgItemMessageA(m_hWnd, IDC_PANEL_RESOLUTION, CB_GETCURSEL, 0, 0);
    if (chosen == CB_ERR) return;
    if (chosen == 0 || static_cast<std::size_t>(chosen) > m_Sizes.size()) {
        m_Record.SetInt(SettingId::ResolutionIsCurrent, 1);
        m_Record.SetInt(SettingId::XRes, 0);
        m_Record.SetInt(SettingId::YRes, 0);
        return;
    }
    const DisplaySize& size = m_Sizes[static_cast<std::size_t>(chosen) - 1];
    m_Record.SetInt(SettingId::XRes, size.first);
    m_Record.SetInt(SettingId::YRes, size.second);
    m_Record.SetInt(SettingId::ResolutionIsCurrent, 0);
}

// The entries stand for the RenderScale values 0 to 4, in that order.
void CLeftPanel::FillDetailList() {
    HWND list = Item(IDC_PANEL_DETAIL);
    if (!list) return;
    SendMessageA(list, CB_RESETCONTENT, 0, 0);
    for (const std::string& detail : SettingChoices(*FindSettingDef(SettingId::RenderScale)))
        SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(detail.c_str()));
    int scale = kRenderScaleAutomatic;
    m_Record.GetInt(SettingId::RenderScale, scale);
    // A value out of range works as Automatic, and shows so.
    SendMessageA(list, CB_SETCURSEL, scale >= 0 && scale <= kMaxRenderScale ? scale : kRenderScaleAutomatic, 0);
}

void CLeftPanel::OnDetailChosen() {
    const LRESULT chosen = SendDlgItemMessageA(m_hWnd, IDC_PANEL_DETAIL, CB_GETCURSEL, 0, 0);
    if (chosen >= 0 && chosen <= kMaxRenderScale) m_Record.SetInt(SettingId::RenderScale, static_cast<int>(chosen));
}

void CLeftPanel::DestroyPreview() {
    if (!m_pPreview) return;
    // The preview deletes itself when its window goes.
    HWND window = m_pPreview->Handle();
    m_pPreview = nullptr;
    if (window) DestroyWindow(window);
}

void CLeftPanel::RefreshPreview() {
    if (g_bRefreshingPreview) return;
    g_bRefreshingPreview = 1;
    DestroyPreview();
    HWND frame = Item(IDC_PANEL_PREVIEW);
    if (!IsChecked(IDC_PANEL_AUTOPREVIEW) || !frame) {
        g_bRefreshingPreview = 0;
        return;
    }
    auto* scratch = new (std::nothrow) Settings;
    if (scratch) {
        int stored = m_Sheet.StoreAllPages(*scratch);
        stored = stored && scratch->SetInt(SettingId::SoundVolume, IsChecked(IDC_PANEL_MUTE) ? 0 : 100);
        stored = stored && scratch->SetInt(SettingId::RunPresetCycle, IsChecked(IDC_PANEL_RANDOM) ? 1 : 0);
        stored = stored && scratch->SetInt(SettingId::PrevRunPreset, 0);
        if (stored) {
            RECT area;
            GetClientRect(frame, &area);
            // No memory for a preview, or one that cannot be built (it has
            // deleted itself): no preview.
            CPreviewWnd* preview = CPreviewWnd::New(*scratch, m_Sheet.EngineState());
            if (preview && preview->Create(area, frame)) {
                m_pPreview = preview;
                ShowWindow(preview->Handle(), SW_SHOW);
            }
        }
        delete scratch;
    }
    g_bRefreshingPreview = 0;
}
