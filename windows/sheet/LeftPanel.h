// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include "config/ResolutionList.h"
#include "windows/sheet/DialogWindow.h"
#include "windows/sheet/SharedBackground.h"
#include "settings/Settings.h"

#include <vector>

class CConfigDialog;
class CPreviewWnd;

// Set while the live preview is being rebuilt, so that a rebuild never
// starts inside another.
extern int g_bRefreshingPreview;

// The sheet's left panel (dialog 152): presets with their toolbar, the live
// preview, display resolution, detail, DirectX, Mute, Random and password
// protection.
// Its controls write into the sheet's record at each click.
class CLeftPanel : public CDialogWindow {
public:
    CLeftPanel(Settings& record, CConfigDialog& sheet);

    bool IsReady() const { return m_hWnd != nullptr; }
    void RefreshPreview();
    CPreviewWnd* Preview() const { return m_pPreview; }

protected:
    BOOL OnInitDialog() override;
    INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void OnCommand(int id, int code);
    void RefreshPresetList();
    void BuildResolutionList();
    void OnPresetChosen();
    void OnResolutionChosen();
    void FillDetailList();
    void OnDetailChosen();
    void OnSavePreset();
    void OnSavePresetAs();
    void OnDeletePreset();
    void OnPasswordClicked();
    void EnablePresetButtons(bool enable);
    // Shows the frame's picture stretched smoothly to the frame's inside.
    void FitPreviewPicture();
    void DestroyPreview();
    bool IsChecked(int id) const;

    Settings& m_Record;
    CConfigDialog& m_Sheet;
    CBackgroundRef m_Background;
    std::vector<DisplaySize> m_Sizes;
    HWND m_hToolbar = nullptr;
    CPreviewWnd* m_pPreview = nullptr;
    HBITMAP m_hPreviewPicture = nullptr;
    int m_nRandom = 0;
};
