// SPDX-License-Identifier: GPL-2.0-or-later
#include "windows/sheet/TexturedPage.h"

#include "windows/sheet/ConfigDialog.h"

CTexturedPage::CTexturedPage(int templateId, int captionId) : CDialogWindow(templateId), m_nCaptionId(captionId) {}

PROPSHEETPAGEA CTexturedPage::Describe() {
    PROPSHEETPAGEA page{};
    page.dwSize = sizeof page;
    page.dwFlags = PSP_USETITLE;
    page.hInstance = GetModuleHandleA(nullptr);
    page.pszTemplate = MAKEINTRESOURCEA(m_nTemplateId);
    page.pszTitle = MAKEINTRESOURCEA(m_nCaptionId);
    page.pfnDlgProc = PageProc;
    page.lParam = reinterpret_cast<LPARAM>(this);
    return page;
}

INT_PTR CALLBACK CTexturedPage::PageProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    CTexturedPage* self = nullptr;
    if (message == WM_INITDIALOG)
        self = reinterpret_cast<CTexturedPage*>(reinterpret_cast<PROPSHEETPAGEA*>(lParam)->lParam);
    else
        self = reinterpret_cast<CTexturedPage*>(GetWindowLongPtrA(window, DWLP_USER));
    return Route(self, window, message, wParam, lParam);
}

void CTexturedPage::OnSetActive() {
    if (!m_bFirstActivation) UpdateData(false);
    m_bFirstActivation = false;
}

bool CTexturedPage::OnKillActive() {
    UpdateData(true);
    return true;
}

INT_PTR CTexturedPage::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    INT_PTR textured = 0;
    if (HandleTexture(message, wParam, lParam, textured)) return textured;
    switch (message) {
    case WM_NOTIFY: {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        if (header->code == PSN_SETACTIVE) {
            OnSetActive();
            SetMessageResult(0);
            return TRUE;
        }
        if (header->code == PSN_KILLACTIVE) {
            SetMessageResult(OnKillActive() ? FALSE : TRUE);
            return TRUE;
        }
        if (header->code == PSN_APPLY) {
            OnOK();
            SetMessageResult(PSNRET_NOERROR);
            return TRUE;
        }
        break;
    }
    }
    return FALSE;
}

BOOL CSettingsPage::OnInitDialog() {
    m_Icons.Fit(m_hWnd);
    m_nTimerId = SetTimer(m_hWnd, 1, 100, nullptr);
    m_nQuietTicks = 0;
    if (!SetUpControls()) return FALSE;
    if (ShowsRecordWhenSetUp()) LoadFromSettings(*m_pReader);
    return TRUE;
}

void CSettingsPage::OnTimerTick() {
    if (++m_nQuietTicks == kQuietTicks) {
        UpdateData(true);
        if (m_pSheet) m_pSheet->RefreshPreview();
    }
    if (m_nQuietTicks > kQuietTicks) m_nQuietTicks = kQuietTicks + 1;  // keeps counting without wrapping
}

INT_PTR CSettingsPage::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_TIMER && m_nTimerId != 0 && wParam == m_nTimerId) {
        OnTimerTick();
        return TRUE;
    }
    if (message == WM_DESTROY) {
        if (m_nTimerId != 0) KillTimer(m_hWnd, m_nTimerId);
        m_nTimerId = 0;
        m_Icons.Release();
    }
    if (message == WM_NOTIFY && reinterpret_cast<const NMHDR*>(lParam)->code == PSN_APPLY && m_pSheet)
        m_pSheet->MarkConfirmed();
    return CTexturedPage::OnMessage(message, wParam, lParam);
}
