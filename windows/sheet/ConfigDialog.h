// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include "platform/NonCopyable.h"
#include "windows/sheet/SharedBackground.h"
#include "windows/sheet/TexturedTabCtrl.h"
#include "engine/SharedEngineState.h"
#include "settings/Settings.h"

#include <windows.h>

#include <memory>
#include <vector>

class CSettingsPage;
class CLeftPanel;
class CPreviewWnd;

// The configuration sheet: four pages beside the left panel, all editing one
// settings record loaded from the registry when the sheet is built. OK saves
// the record; any other end reloads it, discarding the edits.
class CConfigDialog : private NonCopyable {
public:
    // The previews' engines share `shared`, which outlives the sheet.
    CConfigDialog(HWND parent, int firstPage, SharedEngineState& shared);
    ~CConfigDialog();

    // Runs the sheet; IDOK when it was confirmed, IDCANCEL otherwise, -1 when
    // it could not be shown.
    INT_PTR DoModal();

    // Every page stores into / loads from the record side given, in page
    // order, stopping with 0 at the first page that fails.
    int StoreAllPages(SettingsWriter& writer);
    int LoadAllPages(const SettingsReader& reader);

    // Rebuilds the live preview (through the left panel, when there is one).
    void RefreshPreview();
    // The running live preview, or null.
    CPreviewWnd* Preview() const;
    // A page took the sheet's OK.
    void MarkConfirmed() { m_bConfirmed = true; }

    HWND Handle() const { return m_hWnd; }
    SharedEngineState& EngineState() const { return m_Shared; }
    Settings& Record() { return m_Settings; }

private:
    static int CALLBACK SheetCallback(HWND sheet, UINT message, LPARAM lParam);
    static LRESULT CALLBACK SheetProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                      DWORD_PTR data);
    void OnInitSheet(HWND sheet);
    void LayOut();

    HWND m_hParent;
    SharedEngineState& m_Shared;
    int m_nFirstPage;
    HWND m_hWnd = nullptr;
    bool m_bConfirmed = false;
    Settings m_Settings;
    std::vector<std::unique_ptr<CSettingsPage>> m_Pages;
    std::unique_ptr<CLeftPanel> m_pLeftPanel;
    CBackgroundRef m_Background;
    CTexturedTabCtrl m_TabCtrl;
};

// The configuration run of the program (/c): shows the sheet; OK saves the
// settings and says so when saving fails.
void RunConfigurationSheet(HWND parent, SharedEngineState& shared);
