// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include "windows/sheet/DecorationIcons.h"
#include "windows/sheet/DialogWindow.h"
#include "windows/sheet/SharedBackground.h"
#include "settings/SettingsReader.h"

#include <commctrl.h>

class CConfigDialog;

// A property-sheet page painted with the shared background: its client area
// shows the part of the picture under it, and controls marked see-through
// show it behind their text.
class CTexturedPage : public CDialogWindow {
public:
    CTexturedPage(int templateId, int captionId);

    // The page description handed to the property sheet.
    PROPSHEETPAGEA Describe();

    // Pulls the controls into the members (pull) or shows the members.
    void UpdateData(bool pull) { if (m_hWnd) Exchange(pull); }

    virtual int StoreToSettings(SettingsWriter& writer) = 0;
    virtual int LoadFromSettings(const SettingsReader& reader) = 0;

protected:
    INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    // The page's data exchange between members and controls.
    virtual void Exchange(bool) {}
    // The page came to the front; from the second time on the members are shown.
    virtual void OnSetActive();
    // The page is about to be left: true lets it go.
    virtual bool OnKillActive();
    // The sheet was confirmed: true when the page's values were stored.
    virtual bool OnOK() { return true; }

private:
    static INT_PTR CALLBACK PageProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    CBackgroundRef m_Background;
    const int m_nCaptionId;
    bool m_bFirstActivation = true;
};

// A page that edits the sheet's settings record and rebuilds the live preview
// one second after its last change.
class CSettingsPage : public CTexturedPage {
public:
    CSettingsPage(const SettingsReader& reader, SettingsWriter& writer, int templateId, int captionId)
        : CTexturedPage(templateId, captionId), m_pReader(&reader), m_pWriter(&writer) {}

    void AttachSheet(CConfigDialog* sheet) { m_pSheet = sheet; }
    int StoreToSettings(SettingsWriter&) override { return 1; }
    int LoadFromSettings(const SettingsReader&) override { return 1; }
    // Restarts the quiet time after which the preview is rebuilt.
    virtual void NotifyChanged() { m_nQuietTicks = 0; }
    // Ticks of 100 ms after which the preview is rebuilt.
    static constexpr int kQuietTicks = 10;

protected:
    // Sets up the controls, then shows the record unless the page waits for the sheet.
    BOOL OnInitDialog() final;
    // The page's own set-up of its controls; false fails the page.
    virtual bool SetUpControls() { return true; }
    // Whether the page shows the record as soon as its controls are set up.
    virtual bool ShowsRecordWhenSetUp() const { return true; }
    INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool OnOK() override { return StoreToSettings(*m_pWriter) != 0; }
    // A control changed a member: pulls the controls and restarts the quiet
    // time; TRUE, the message's answer.
    BOOL TakeChange() {
        UpdateData(true);
        NotifyChanged();
        return TRUE;
    }
    // One tick of the page's 100 ms timer.
    virtual void OnTimerTick();

    const SettingsReader* m_pReader;
    SettingsWriter* m_pWriter;
    CConfigDialog* m_pSheet = nullptr;

private:
    UINT_PTR m_nTimerId = 0;
    int m_nQuietTicks = 0;
    CDecorationIcons m_Icons;
};
