#include "config/win32/ConfigDialog.h"

#include "config/win32/ConfigResource.h"
#include "config/win32/EffectsPage.h"
#include "config/win32/FlamesPage.h"
#include "config/win32/LeftPanel.h"
#include "config/win32/PalettePage.h"
#include "config/win32/TextPage.h"
#include "platform/MessageBox.h"

#include <commctrl.h>

#include <algorithm>
#include <new>

namespace {
// The property sheet's callback carries no data of its own; the sheet being
// shown is kept here while PropertySheet builds its window.
CConfigDialog* g_pShowingSheet = nullptr;

constexpr const char* kSheetCaption = "Emberlux! Screensaver (v2.50)";
constexpr int kPanelLeft = 13;     // the left panel's distance from the sheet's left edge
constexpr int kPanelGap = 20;      // between the left panel and the tabs
constexpr int kTopShift = 9;       // the tabs and pages move down by this much
constexpr int kTabMargin = 7;      // tab strip beyond a page's frame
constexpr int kOuterMargin = 20;   // client area beyond the tab strip

RECT ChildRect(HWND child, HWND parent) {
    RECT r;
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    return r;
}
}  // namespace

CConfigDialog::CConfigDialog(HWND parent, int firstPage) : m_hParent(parent), m_nFirstPage(firstPage) {
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
    HWND panel = m_pLeftPanel ? m_pLeftPanel->Handle() : nullptr;
    RECT panelFrame{0, 0, 0, 0};
    if (panel) {
        if (HWND frame = GetDlgItem(panel, IDC_PANEL_FRAME)) GetClientRect(frame, &panelFrame);
    }
    const int panelWidth = panelFrame.right, panelHeight = panelFrame.bottom;

    // Everything the sheet made moves right of the panel and a little down.
    const int shiftX = panel ? panelWidth + kPanelGap : 0;
    for (HWND child = GetWindow(m_hWnd, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (child == panel) continue;
        const RECT r = ChildRect(child, m_hWnd);
        SetWindowPos(child, nullptr, r.left + shiftX, r.top + kTopShift, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    RECT tabRect = ChildRect(tab, m_hWnd);
    if (panel) {
        SetWindowPos(panel, nullptr, kPanelLeft, tabRect.top, panelWidth, panelHeight, SWP_NOZORDER | SWP_NOACTIVATE);
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
        // The narrower strip may wrap its tabs into more rows: the pages go
        // where the strip's display area starts now, at their full size.
        tabRect.right = tabRect.left + frame.right + kTabMargin;
        SetWindowPos(tab, nullptr, 0, 0, tabRect.right - tabRect.left, tabRect.bottom - tabRect.top,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        RECT display = tabRect;
        TabCtrl_AdjustRect(tab, FALSE, &display);
        for (auto& page : m_Pages) {
            HWND window = page->Handle();
            if (!window) continue;
            RECT size;
            GetWindowRect(window, &size);
            RECT full;
            GetClientRect(GetDlgItem(window, IDC_PAGE_FRAME) ? GetDlgItem(window, IDC_PAGE_FRAME) : window, &full);
            SetWindowPos(window, nullptr, display.left, display.top, std::max<int>(full.right, size.right - size.left),
                         std::max<int>(full.bottom, size.bottom - size.top), SWP_NOZORDER | SWP_NOACTIVATE);
        }
        tabRect.bottom = display.top + frame.bottom + kTabMargin;
        SetWindowPos(tab, nullptr, 0, 0, tabRect.right - tabRect.left, tabRect.bottom - tabRect.top,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }

    // OK and Cancel below the tabs at their right edge; Apply and Help go.
    HWND ok = GetDlgItem(m_hWnd, IDOK), cancel = GetDlgItem(m_hWnd, IDCANCEL);
    RECT button{0, 0, 75, 23};
    if (ok) button = ChildRect(ok, m_hWnd);
    const int buttonWidth = button.right - button.left, buttonHeight = button.bottom - button.top;
    const int contentBottom = std::max<int>(tabRect.bottom, tabRect.top + panelHeight);
    const int buttonTop = contentBottom + kTabMargin;
    if (cancel)
        SetWindowPos(cancel, nullptr, tabRect.right - buttonWidth, buttonTop, buttonWidth, buttonHeight,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    if (ok)
        SetWindowPos(ok, nullptr, tabRect.right - 2 * buttonWidth - 6, buttonTop, buttonWidth, buttonHeight,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    for (int id : {0x3021 /* Apply */, static_cast<int>(IDHELP)})
        if (HWND hidden = GetDlgItem(m_hWnd, id)) ShowWindow(hidden, SW_HIDE);

    RECT client{0, 0, tabRect.right + kOuterMargin, buttonTop + buttonHeight + kTabMargin + 4};
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

void RunConfigurationSheet(HWND parent) {
    try {
        INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_BAR_CLASSES | ICC_TAB_CLASSES};
        InitCommonControlsEx(&controls);
        CConfigDialog sheet(parent, 0);
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
