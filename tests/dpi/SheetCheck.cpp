// SPDX-License-Identifier: GPL-2.0-or-later
// Checks the dialogs of Emberlux.scr at the DPI this process runs with:
//   - the configuration sheet of a running "Emberlux.scr /c": one row of tabs,
//     the panel, pages and buttons inside the sheet and apart, every control
//     inside its page (or panel) and its group box, every text fitting its
//     control, no two controls on top of each other, page icons and tool
//     buttons scaled to the DPI, the preview frame in its place and the live
//     preview filling it;
//   - the program's other dialogs, made here from the program file: every
//     text fits and every control lies inside its dialog.
// Texts are measured with the font the dialog manager makes for each
// template at this DPI (the sheet's pages and panel are made here once more
// from their templates to get it).
// Usage: SheetCheck SCR. Prints "FAILED: ..." for each fault and then
// "sheet-check DPI: N passed, N failed"; exit code 0 when nothing failed.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {
const char* const kSheetCaption = "Emberlux! Screensaver (v2.50)";
int g_nPassed = 0, g_nFailed = 0;
int g_nDpi = 96;

void Check(bool ok, const std::string& what) {
    if (ok) {
        ++g_nPassed;
        return;
    }
    ++g_nFailed;
    std::printf("FAILED: %s\n", what.c_str());
}

std::string Utf8(const std::wstring& text) {
    char out[1024] = {};
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, out, sizeof out - 1, nullptr, nullptr);
    return out;
}

std::wstring TextOf(HWND window) {
    wchar_t text[512] = {};
    // The wide form crosses processes intact.
    SendMessageW(window, WM_GETTEXT, 511, reinterpret_cast<LPARAM>(text));
    return text;
}

std::string ClassOf(HWND window) {
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

std::string Describe(HWND control) {
    const LONG type = GetWindowLongW(control, GWL_STYLE) & SS_TYPEMASK;
    const bool image = ClassOf(control) == "Static" && (type == SS_ICON || type == SS_BITMAP);
    const std::wstring text = image ? L"" : TextOf(control);
    return ClassOf(control) + " " + std::to_string(GetDlgCtrlID(control)) +
           (text.empty() ? "" : " \"" + Utf8(text) + "\"");
}

RECT RectIn(HWND window, HWND parent) {
    RECT r;
    GetWindowRect(window, &r);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

std::string Show(const RECT& r) {
    return "(" + std::to_string(r.left) + "," + std::to_string(r.top) + ")-(" + std::to_string(r.right) + "," +
           std::to_string(r.bottom) + ")";
}

bool Inside(const RECT& inner, const RECT& outer) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

bool Overlap(const RECT& a, const RECT& b) {
    RECT common;
    return IntersectRect(&common, &a, &b) != FALSE;
}

std::vector<HWND> Children(HWND parent) {
    std::vector<HWND> all;
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) all.push_back(child);
    return all;
}

LONG Style(HWND window) { return GetWindowLongW(window, GWL_STYLE); }
bool Shown(HWND window) { return (Style(window) & WS_VISIBLE) != 0; }
bool IsStatic(HWND w) { return ClassOf(w) == "Static"; }
bool IsButton(HWND w) { return ClassOf(w) == "Button"; }
bool IsGroupBox(HWND w) { return IsButton(w) && (Style(w) & BS_TYPEMASK) == BS_GROUPBOX; }
bool IsStaticText(HWND w) {
    const LONG type = Style(w) & SS_TYPEMASK;
    return IsStatic(w) && (type == SS_LEFT || type == SS_CENTER || type == SS_RIGHT || type == SS_LEFTNOWORDWRAP ||
                           type == SS_SIMPLE);
}
bool IsCheckOrRadio(HWND w) {
    const LONG type = Style(w) & BS_TYPEMASK;
    return IsButton(w) && !(Style(w) & BS_PUSHLIKE) &&
           (type == BS_CHECKBOX || type == BS_AUTOCHECKBOX || type == BS_3STATE || type == BS_AUTO3STATE ||
            type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON);
}
// Frames and lines only mark places; everything else must have a place of its own.
bool TakesRoom(HWND w) {
    if (!Shown(w) || IsGroupBox(w)) return false;
    const LONG type = Style(w) & SS_TYPEMASK;
    return !(IsStatic(w) && (type == SS_BLACKFRAME || type == SS_GRAYFRAME || type == SS_WHITEFRAME ||
                             type == SS_ETCHEDHORZ || type == SS_ETCHEDVERT || type == SS_ETCHEDFRAME));
}

// The room a text needs, drawn in `width` pixels with `flags`.
SIZE Needed(HDC dc, const std::wstring& text, int width, UINT flags) {
    RECT r{0, 0, width, 0};
    DrawTextW(dc, text.c_str(), -1, &r, flags | DT_CALCRECT);
    return SIZE{r.right, r.bottom};
}

// Every text of `dialog`'s controls fits its control when drawn with `font`.
void CheckTexts(const std::string& where, HWND dialog, HFONT font) {
    HDC dc = GetDC(dialog);
    HGDIOBJ previous = SelectObject(dc, font);
    int zero = 0;
    GetCharWidth32W(dc, L'0', L'0', &zero);
    for (HWND control : Children(dialog)) {
        const std::wstring text = TextOf(control);
        if (!Shown(control) || text.empty()) continue;
        RECT client;
        GetClientRect(control, &client);
        const LONG style = Style(control);
        int width = client.right, height = client.bottom;
        UINT flags = DT_WORDBREAK;
        if (IsStaticText(control)) {
            const LONG type = style & SS_TYPEMASK;
            if (type == SS_LEFTNOWORDWRAP || type == SS_SIMPLE || (style & SS_CENTERIMAGE)) flags = DT_SINGLELINE;
            if (style & SS_NOPREFIX) flags |= DT_NOPREFIX;
        } else if (IsGroupBox(control)) {
            width -= 2 * 7 + 2;  // the caption sits 7 pixels in from each side, with a margin
            flags = DT_SINGLELINE;
        } else if (IsCheckOrRadio(control)) {
            width -= 12 * g_nDpi / 96 + 1 + zero / 2;  // the box and the gap after it
            if (!(style & BS_MULTILINE)) flags = DT_SINGLELINE;
        } else if (IsButton(control)) {
            width -= 2 * 4;  // edges and focus frame
            flags = DT_SINGLELINE;
        } else {
            continue;  // edit fields and lists show what the user types
        }
        const SIZE need = Needed(dc, text, width, flags);
        Check(need.cx <= width && need.cy <= height,
              where + ": " + Describe(control) + " needs " + std::to_string(need.cx) + "x" + std::to_string(need.cy) +
                  ", has " + std::to_string(width) + "x" + std::to_string(height));
    }
    SelectObject(dc, previous);
    ReleaseDC(dialog, dc);
}

// Every control of `dialog` lies inside `bounds` (client coordinates of the
// dialog) and inside the group box it starts in; no two controls that take
// room overlap.
void CheckPlaces(const std::string& where, HWND dialog, const RECT& bounds, HWND except) {
    const std::vector<HWND> children = Children(dialog);
    std::vector<HWND> boxes;
    for (HWND c : children)
        if (Shown(c) && IsGroupBox(c)) boxes.push_back(c);
    for (HWND control : children) {
        if (control == except || !Shown(control)) continue;
        const RECT r = RectIn(control, dialog);
        Check(Inside(r, bounds), where + ": " + Describe(control) + " at " + Show(r) + " leaves " + Show(bounds));
        if (IsGroupBox(control)) continue;
        for (HWND box : boxes) {
            const RECT b = RectIn(box, dialog);
            const POINT corner{r.left, r.top};
            if (!PtInRect(&b, corner)) continue;
            Check(Inside(r, b), where + ": " + Describe(control) + " at " + Show(r) + " leaves group box \"" +
                                    Utf8(TextOf(box)) + "\" " + Show(b));
        }
    }
    for (std::size_t i = 0; i < children.size(); ++i) {
        if (children[i] == except || !TakesRoom(children[i])) continue;
        for (std::size_t j = i + 1; j < children.size(); ++j) {
            if (children[j] == except || !TakesRoom(children[j])) continue;
            const RECT a = RectIn(children[i], dialog), b = RectIn(children[j], dialog);
            Check(!Overlap(a, b), where + ": " + Describe(children[i]) + " " + Show(a) + " overlaps " +
                                      Describe(children[j]) + " " + Show(b));
        }
    }
}

INT_PTR CALLBACK QuietDialog(HWND, UINT message, WPARAM, LPARAM) { return message == WM_INITDIALOG; }

// A dialog of the program file made here (hidden), to measure with its font.
HWND MakeDialog(HMODULE program, int id, HWND owner) {
    return CreateDialogParamW(program, MAKEINTRESOURCEW(id), owner, QuietDialog, 0);
}

HFONT FontOf(HWND dialog) { return reinterpret_cast<HFONT>(SendMessageW(dialog, WM_GETFONT, 0, 0)); }

RECT ClientOf(HWND window) {
    RECT r;
    GetClientRect(window, &r);
    return r;
}

void CheckStandaloneDialogs(HMODULE program, HWND owner) {
    const struct {
        int id;
        const char* name;
    } dialogs[] = {{145, "password dialog 145"},
                   {146, "change-password dialog 146"},
                   {148, "palette name dialog 148"},
                   {149, "progress window 149"},
                   {151, "prompt dialog 151"}};
    for (const auto& d : dialogs) {
        HWND dialog = MakeDialog(program, d.id, owner);
        Check(dialog != nullptr, std::string(d.name) + " can be made");
        if (!dialog) continue;
        ShowWindow(dialog, SW_HIDE);
        CheckTexts(d.name, dialog, FontOf(dialog));
        CheckPlaces(d.name, dialog, ClientOf(dialog), nullptr);
        DestroyWindow(dialog);
    }
}

// Tool buttons show images of 16 pixels at 96 DPI, scaled to this DPI, and
// fit their strip. (Icons cannot be read from another process under Wine:
// their boxes are checked with the other controls.)
void CheckToolbars(const std::string& where, HWND dialog) {
    const int toolImage = MulDiv(16, g_nDpi, 96);
    for (HWND control : Children(dialog)) {
        if (!Shown(control)) continue;
        const RECT client = ClientOf(control);
        if (ClassOf(control) == TOOLBARCLASSNAMEA) {
            const int count = static_cast<int>(SendMessageW(control, TB_BUTTONCOUNT, 0, 0));
            const DWORD button = static_cast<DWORD>(SendMessageW(control, TB_GETBUTTONSIZE, 0, 0));
            const DWORD padding = static_cast<DWORD>(SendMessageW(control, TB_GETPADDING, 0, 0));
            const int image = static_cast<int>(HIWORD(button)) - static_cast<int>(HIWORD(padding));
            Check(count * LOWORD(button) <= client.right && HIWORD(button) <= client.bottom,
                  where + ": " + std::to_string(count) + " tool buttons of " + std::to_string(LOWORD(button)) + "x" +
                      std::to_string(HIWORD(button)) + " in a strip of " + std::to_string(client.right) + "x" +
                      std::to_string(client.bottom));
            Check(image <= toolImage && image * 4 >= toolImage * 3,
                  where + ": tool images of " + std::to_string(image) + " pixels where " + std::to_string(toolImage) +
                      " are due");
        }
    }
}

// The preview frame keeps its place from the template, and the live preview
// fills it once Auto-preview is down.
void CheckPreview(HWND panel, HWND templatePanel) {
    HWND frame = GetDlgItem(panel, 1022), button = GetDlgItem(panel, 1021);
    if (!frame || !button) {
        Check(false, "the panel has its preview frame and Auto-preview button");
        return;
    }
    // As the dialog manager places it: corner and size converted apart.
    RECT due{12, 41, 113, 70};
    MapDialogRect(templatePanel, &due);
    due.right += due.left;
    due.bottom += due.top;
    const RECT place = RectIn(frame, panel);
    Check(EqualRect(&place, &due), "panel: the preview frame is at " + Show(place) + ", its template puts it at " +
                                       Show(due));
    const bool wasDown = SendMessageW(button, BM_GETCHECK, 0, 0) == BST_CHECKED;
    if (!wasDown) SendMessageW(button, BM_CLICK, 0, 0);
    // The pages rebuild the preview a second after their last change: wait
    // until the same preview has stood for a second.
    HWND preview = nullptr;
    for (int k = 0, steady = 0; k < 100 && steady < 10; ++k, Sleep(100)) {
        HWND now = GetWindow(frame, GW_CHILD);
        steady = now && now == preview ? steady + 1 : 0;
        preview = now;
    }
    RECT shown{};
    const bool found = preview && GetWindowRect(preview, &shown);
    Check(found, "panel: Auto-preview starts a live preview");
    if (found) {
        MapWindowPoints(nullptr, frame, reinterpret_cast<POINT*>(&shown), 2);
        const RECT inner = ClientOf(frame);
        Check(EqualRect(&inner, &shown), "panel: the live preview covers " + Show(shown) + " of the frame's " +
                                             Show(inner));
    }
    if (!wasDown) SendMessageW(button, BM_CLICK, 0, 0);
}

void CheckSheet(HMODULE program, HWND owner, HWND sheet) {
    const RECT client = ClientOf(sheet);
    HWND tabs = reinterpret_cast<HWND>(SendMessageW(sheet, PSM_GETTABCONTROL, 0, 0));
    Check(tabs && SendMessageW(tabs, TCM_GETROWCOUNT, 0, 0) == 1, "the tabs stand in one row");
    HWND panel = nullptr;
    for (HWND child : Children(sheet))
        if (GetDlgItem(child, 1059)) panel = child;
    Check(panel != nullptr, "the sheet has its left panel");
    for (HWND child : Children(sheet)) {
        if (!Shown(child)) continue;
        const RECT r = RectIn(child, sheet);
        Check(Inside(r, client), "sheet: " + Describe(child) + " at " + Show(r) + " leaves the client area");
    }
    const RECT tabRect = tabs ? RectIn(tabs, sheet) : RECT{};
    if (panel) {
        const RECT panelRect = RectIn(panel, sheet);
        Check(!Overlap(panelRect, tabRect), "sheet: the panel " + Show(panelRect) + " overlaps the tabs " +
                                                Show(tabRect));
        for (int id : {IDOK, IDCANCEL}) {
            HWND b = GetDlgItem(sheet, id);
            const RECT br = b ? RectIn(b, sheet) : RECT{};
            Check(b && !Overlap(br, panelRect) && !Overlap(br, tabRect),
                  "sheet: button " + std::to_string(id) + " " + Show(br) + " clear of the panel and the tabs");
        }
        HWND made = MakeDialog(program, 152, owner);
        Check(made != nullptr, "the panel's template can be made");
        if (made) {
            HWND frame = GetDlgItem(panel, 1059);
            CheckTexts("panel", panel, FontOf(made));
            CheckPlaces("panel", panel, frame ? RectIn(frame, panel) : ClientOf(panel), frame);
            CheckToolbars("panel", panel);
            CheckPreview(panel, made);
            DestroyWindow(made);
        }
    }
    const int templates[] = {158, 155, 157, 159};
    for (int k = 0; k < 4; ++k) {
        const std::string where = "page " + std::to_string(k);
        HWND page = reinterpret_cast<HWND>(SendMessageW(sheet, PSM_INDEXTOHWND, k, 0));
        HWND made = MakeDialog(program, templates[k], owner);
        Check(page && made, where + " exists and its template can be made");
        if (!page || !made) continue;
        HWND frame = GetDlgItem(page, 1060), madeFrame = GetDlgItem(made, 1060);
        const RECT full = frame ? ClientOf(frame) : RECT{}, fromTemplate = madeFrame ? ClientOf(madeFrame) : RECT{};
        Check(frame && EqualRect(&full, &fromTemplate),
              where + ": its frame " + Show(full) + " has the size of its template's " + Show(fromTemplate));
        const RECT pageRect = RectIn(page, sheet);
        Check(Inside(pageRect, client) && Inside(pageRect, tabRect),
              where + ": " + Show(pageRect) + " inside the tabs " + Show(tabRect));
        CheckTexts(where, page, FontOf(made));
        CheckPlaces(where, page, frame ? RectIn(frame, page) : ClientOf(page), frame);
        CheckToolbars(where, page);
        // The palette editor's channel buttons take the page's font.
        for (HWND child : Children(page))
            if (ClassOf(child) == "EmberluxPaletteEditor") CheckTexts(where + " editor", child, FontOf(made));
        DestroyWindow(made);
    }
}

void BecomeDpiAware() {
    // As the program's manifest declares: per monitor (version 2) where known.
    using SetContext = BOOL(WINAPI*)(HANDLE);
    HMODULE user = GetModuleHandleW(L"user32.dll");
    auto setContext = reinterpret_cast<SetContext>(
        reinterpret_cast<void*>(GetProcAddress(user, "SetProcessDpiAwarenessContext")));
    if (!setContext || !setContext(reinterpret_cast<HANDLE>(-4))) SetProcessDPIAware();
}
}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: SheetCheck SCR\n");
        return 2;
    }
    BecomeDpiAware();
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES | ICC_TAB_CLASSES | ICC_PROGRESS_CLASS};
    InitCommonControlsEx(&controls);
    HMODULE program = LoadLibraryExA(argv[1], nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (!program) {
        std::fprintf(stderr, "SheetCheck: cannot read %s\n", argv[1]);
        return 2;
    }
    HWND owner = CreateWindowExA(0, "Static", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    // The sheet shows itself once it has laid out and loaded its pages.
    HWND sheet = nullptr;
    for (int k = 0; k < 200 && !(sheet && IsWindowVisible(sheet)); ++k, Sleep(100))
        sheet = FindWindowA(nullptr, kSheetCaption);
    Sleep(500);
    HDC screen = GetDC(nullptr);
    g_nDpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    Check(sheet != nullptr, "the configuration sheet is open");
    if (sheet) CheckSheet(program, owner, sheet);
    CheckStandaloneDialogs(program, owner);
    DestroyWindow(owner);
    std::printf("sheet-check %d dpi: %d passed, %d failed\n", g_nDpi, g_nPassed, g_nFailed);
    return g_nFailed == 0 ? 0 : 1;
}
