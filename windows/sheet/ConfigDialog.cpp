// SPDX-License-Identifier: GPL-2.0-or-later
#include "windows/sheet/ConfigDialog.h"

#include "config/DpiRules.h"
#include "windows/sheet/ConfigResource.h"
#include "windows/sheet/EffectsPage.h"
#include "windows/sheet/FlamesPage.h"
#include "windows/sheet/LeftPanel.h"
#include "windows/sheet/PalettePage.h"
#include "windows/sheet/TextPage.h"
#include "windows/sheet/WindowDpi.h"
#include "platform/MessageBox.h"

#include <commctrl.h>

#include <algorithm>
#include <new>

namespace {
// The property sheet's callback carries no data of its own; the sheet being
// shown is kept here while PropertySheet builds its window.
CConfigDialog* g_pShowingSheet = nullptr;

constexpr const char* kSheetCaption = "Emberlux! Screensaver (v2.50)";
// Margins of the layout in pixels at 96 DPI, scaled to the sheet's DPI.
constexpr int kPanelLeft = 13;     // the left panel's distance from the sheet's left edge
constexpr int kPanelGap = 20;      // between the left panel and the tabs
constexpr int kTopShift = 9;       // the tabs and pages move down by this much
constexpr int kTabMargin = 7;      // tab strip beyond a page's frame
constexpr int kOuterMargin = 20;   // client area beyond the tab strip
constexpr int kButtonGap = 6;      // between OK and Cancel
constexpr int kBottomMargin = 4;   // below the buttons, beyond the tab margin

RECT ChildRect(HWND child, HWND parent) {
    RECT r;
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

// The width in which the tabs stand in one row at their natural widths,
// measured with the strip made very wide for a moment; `margin` is added for
// the selected tab, which stands out a little.
int OneRowTabWidth(HWND tab, int height, int margin) {
    const int count = TabCtrl_GetItemCount(tab);
    if (count <= 0) return 0;
    SetWindowPos(tab, nullptr, 0, 0, 0x4000, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    RECT last{0, 0, 0, 0};
    TabCtrl_GetItemRect(tab, count - 1, &last);
    RECT strip{0, 0, 0, 0};
    GetClientRect(tab, &strip);
    RECT outer{0, 0, 0, 0};
    GetWindowRect(tab, &outer);
    return last.right + margin + (outer.right - outer.left - strip.right);
}
}  // namespace

CConfigDialog::CConfigDialog(HWND parent, int firstPage, SharedEngineState& shared)
    : m_hParent(parent), m_Shared(shared), m_nFirstPage(firstPage) {
    m_Settings.Load();
    m_Pages.push_back(std::make_unique<CEffectsPage>(m_Settings, m_Settings));
    m_Pages.push_back(std::make_unique<CFlamesPage>(m_Settings, m_Settings));
    m_Pages.push_back(std::make_unique<CPalettePage>(m_Settings, m_Settings));
    m_Pages.push_back(std::make_unique<CTextPage>(m_Settings, m_Settings));
    for (auto& page : m_Pages) page->AttachSheet(this);
}

CConfigDialog::~CConfigDialog() = default;

INT_PTR CConfigDialog::DoModal() {
    std::vector<PROPSHEETPAGEA> pages;
    for (auto& page : m_Pages) pages.push_back(page->Describe());
    PROPSHEETHEADERA header{};
    header.dwSize = sizeof header;
    header.dwFlags = PSH_PROPSHEETPAGE | PSH_USECALLBACK | PSH_NOCONTEXTHELP;
    header.hwndParent = m_hParent;
    header.hInstance = GetModuleHandleA(nullptr);
    header.pszCaption = kSheetCaption;
    header.nPages = static_cast<UINT>(pages.size());
    header.nStartPage = static_cast<UINT>(m_nFirstPage);
    header.ppsp = pages.data();
    header.pfnCallback = SheetCallback;

    m_bConfirmed = false;
    g_pShowingSheet = this;
    const INT_PTR shown = PropertySheetA(&header);
    g_pShowingSheet = nullptr;
    m_hWnd = nullptr;
    if (shown < 0) return -1;
    return m_bConfirmed ? IDOK : IDCANCEL;
}

int CALLBACK CConfigDialog::SheetCallback(HWND sheet, UINT message, LPARAM) {
    if (message == PSCB_INITIALIZED && g_pShowingSheet) g_pShowingSheet->OnInitSheet(sheet);
    return 0;
}

void CConfigDialog::OnInitSheet(HWND sheet) {
    m_hWnd = sheet;
    ComputeDialogScale(sheet);
    SetWindowLongA(sheet, GWL_STYLE, GetWindowLongA(sheet, GWL_STYLE) | WS_CLIPCHILDREN);
    SetWindowSubclass(sheet, SheetProc, 1, reinterpret_cast<DWORD_PTR>(this));
    m_TabCtrl.Attach(PropSheet_GetTabControl(sheet));

    auto panel = std::unique_ptr<CLeftPanel>(new (std::nothrow) CLeftPanel(m_Settings, *this));
    // Without its panel the sheet still offers the pages; nothing below uses
    // a panel that was not made.
    if (panel && panel->CreateChild(sheet) && panel->IsReady()) m_pLeftPanel = std::move(panel);
    else if (panel && panel->Handle()) DestroyWindow(panel->Handle());

    LayOut();
    SetWindowTextA(sheet, kSheetCaption);
    LoadAllPages(m_Settings);
}

void CConfigDialog::LayOut() {
    HWND tab = PropSheet_GetTabControl(m_hWnd);
    if (!tab) return;
    const int dpi = WindowDpi(m_hWnd);
    auto px = [dpi](int pixels) { return ScaleToDpi(pixels, dpi); };
    HWND panel = m_pLeftPanel ? m_pLeftPanel->Handle() : nullptr;
    RECT panelFrame{0, 0, 0, 0};
    if (panel) {
        if (HWND frame = GetDlgItem(panel, IDC_PANEL_FRAME)) GetClientRect(frame, &panelFrame);
    }
    const int panelWidth = panelFrame.right, panelHeight = panelFrame.bottom;

    // Everything the sheet made moves right of the panel and a little down.
    const int shiftX = panel ? panelWidth + px(kPanelGap) : 0;
    for (HWND child = GetWindow(m_hWnd, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (child == panel) continue;
        const RECT r = ChildRect(child, m_hWnd);
        SetWindowPos(child, nullptr, r.left + shiftX, r.top + px(kTopShift), 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    RECT tabRect = ChildRect(tab, m_hWnd);
    if (panel) {
        SetWindowPos(panel, nullptr, px(kPanelLeft), tabRect.top, panelWidth, panelHeight,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        ShowWindow(panel, SW_SHOW);
    }

    // Every page is made once, last to first, so that the sheet can load them all.
    const int count = static_cast<int>(m_Pages.size());
    for (int k = count - 1; k >= 0; --k) PropSheet_SetCurSel(m_hWnd, nullptr, k);
    HWND first = m_Pages.empty() ? nullptr : m_Pages[0]->Handle();
    HWND pageFrame = first ? GetDlgItem(first, IDC_PAGE_FRAME) : nullptr;
    if (pageFrame) {
        RECT frame;
        GetClientRect(pageFrame, &frame);
        // The strip is as wide as a page's frame, or wider when its tabs need
        // more room to stand in one row. The pages go where the strip's display
        // area starts at that width, each as large as its frame.
        const int oneRow = OneRowTabWidth(tab, tabRect.bottom - tabRect.top, px(kTabMargin));
        tabRect.right = tabRect.left + std::max<int>(frame.right + px(kTabMargin), oneRow);
        SetWindowPos(tab, nullptr, 0, 0, tabRect.right - tabRect.left, tabRect.bottom - tabRect.top,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        RECT display = tabRect;
        TabCtrl_AdjustRect(tab, FALSE, &display);
        for (auto& page : m_Pages) {
            HWND window = page->Handle();
            if (!window) continue;
            RECT size;
            HWND ownFrame = GetDlgItem(window, IDC_PAGE_FRAME);
            GetClientRect(ownFrame ? ownFrame : window, &size);
            SetWindowPos(window, nullptr, display.left, display.top, size.right, size.bottom,
                         SWP_NOZORDER | SWP_NOACTIVATE);
        }
        tabRect.bottom = display.top + frame.bottom + px(kTabMargin);
        SetWindowPos(tab, nullptr, 0, 0, tabRect.right - tabRect.left, tabRect.bottom - tabRect.top,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }

    // OK and Cancel below the tabs at their right edge; Apply and Help go.
    HWND ok = GetDlgItem(m_hWnd, IDOK), cancel = GetDlgItem(m_hWnd, IDCANCEL);
    RECT button{0, 0, px(75), px(23)};
    if (ok) button = ChildRect(ok, m_hWnd);
    const int buttonWidth = button.right - button.left, buttonHeight = button.bottom - button.top;
    const int contentBottom = std::max<int>(tabRect.bottom, tabRect.top + panelHeight);
    const int buttonTop = contentBottom + px(kTabMargin);
    if (cancel)
        SetWindowPos(cancel, nullptr, tabRect.right - buttonWidth, buttonTop, buttonWidth, buttonHeight,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    if (ok)
        SetWindowPos(ok, nullptr, tabRect.right - 2 * buttonWidth - px(kButtonGap), buttonTop, buttonWidth,
                     buttonHeight, SWP_NOZORDER | SWP_NOACTIVATE);
    for (int id : {0x3021 /* Apply */, static_cast<int>(IDHELP)})
        if (HWND hidden = GetDlgItem(m_hWnd, id)) ShowWindow(hidden, SW_HIDE);

    RECT client{0, 0, tabRect.right + px(kOuterMargin),
                buttonTop + buttonHeight + px(kTabMargin) + px(kBottomMargin)};
    AdjustWindowRectEx(&client, static_cast<DWORD>(GetWindowLongA(m_hWnd, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongA(m_hWnd, GWL_EXSTYLE)));
    SetWindowPos(m_hWnd, nullptr, 0, 0, client.right - client.left, client.bottom - client.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (count > 0) PropSheet_SetCurSel(m_hWnd, nullptr, std::min(std::max(m_nFirstPage, 0), count - 1));

    RECT finalClient;
    GetClientRect(m_hWnd, &finalClient);
    FitBackgroundTo(finalClient.right, finalClient.bottom);
    InvalidateRect(m_hWnd, nullptr, TRUE);
}

LRESULT CALLBACK CConfigDialog::SheetProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                         DWORD_PTR) {
    if (message == WM_ERASEBKGND) {
        RECT client;
        GetClientRect(window, &client);
        PaintBackground(reinterpret_cast<HDC>(wParam), client, POINT{0, 0});
        return 1;
    }
    // The picture keeps covering the sheet once, also when the system resizes
    // it for the DPI of another monitor.
    if (message == WM_SIZE) FitBackgroundTo(LOWORD(lParam), HIWORD(lParam));
    if (message == WM_CTLCOLORSTATIC || message == WM_CTLCOLORBTN) {
        HBRUSH brush = TexturedControlColour(message, reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
        if (brush) return reinterpret_cast<LRESULT>(brush);
    }
    if (message == WM_NCDESTROY) RemoveWindowSubclass(window, SheetProc, 1);
    return DefSubclassProc(window, message, wParam, lParam);
}

int CConfigDialog::StoreAllPages(SettingsWriter& writer) {
    for (auto& page : m_Pages)
        if (!page->StoreToSettings(writer)) return 0;
    return 1;
}

int CConfigDialog::LoadAllPages(const SettingsReader& reader) {
    for (auto& page : m_Pages)
        if (!page->LoadFromSettings(reader)) return 0;
    return 1;
}

void CConfigDialog::RefreshPreview() {
    if (m_pLeftPanel) m_pLeftPanel->RefreshPreview();
}

CPreviewWnd* CConfigDialog::Preview() const { return m_pLeftPanel ? m_pLeftPanel->Preview() : nullptr; }

void RunConfigurationSheet(HWND parent, SharedEngineState& shared) {
    try {
        INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_BAR_CLASSES | ICC_TAB_CLASSES};
        InitCommonControlsEx(&controls);
        CConfigDialog sheet(parent, 0, shared);
        const INT_PTR result = sheet.DoModal();
        if (result == IDOK) {
            if (!sheet.Record().Save())
                ShowMessageBox(parent, "The settings could not be saved.", MessageIcon::Stop);
        } else {
            sheet.Record().Load();
        }
    } catch (const std::bad_alloc&) {
        ShowMessageBox(parent, "Not enough memory to show the settings.", MessageIcon::Stop);
    } catch (...) {
        ShowMessageBox(parent, "The settings could not be shown.", MessageIcon::Stop);
    }
}
