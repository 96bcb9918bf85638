// SPDX-License-Identifier: GPL-2.0-or-later
// Drives the configuration sheet of a running Emberlux.scr /c from the
// end-to-end test: finds the sheet by its caption and manipulates its pages'
// controls by id with the messages a user's actions would produce.
//
//   ConfigDriver wait                       the sheet is shown (waits up to 20 s)
//   ConfigDriver has WHERE ID...            every listed control exists
//   ConfigDriver page N                     brings page N (0..3) to the front
//   ConfigDriver slider WHERE ID POS        moves a slider as the user would
//   ConfigDriver get WHERE ID               prints a slider's position, a box's state or a text
//   ConfigDriver click WHERE ID             clicks a button (posted)
//   ConfigDriver command WHERE ID           sends a command such as a toolbar button's (posted)
//   ConfigDriver select WHERE ID INDEX      chooses an entry of a drop-down or list
//   ConfigDriver items WHERE ID             prints the entries of a drop-down, one a line
//   ConfigDriver settext WHERE ID TEXT      types into an edit field
//   ConfigDriver answer CAPTION TEXT        fills the edit of the named dialog (waiting up to
//                                           20 s for it) and presses OK
//   ConfigDriver preview                    prints the size of the live preview window or "none"
//   ConfigDriver ok | cancel                confirms or cancels the sheet
// WHERE is a page number 0..3 or "panel". Exit code 0 on success.
#include <windows.h>
#include <commctrl.h>
#include <prsht.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {
const char* const kSheetCaption = "Emberlux! Screensaver (v2.50)";

HWND Sheet() { return FindWindowA(nullptr, kSheetCaption); }

HWND PanelOf(HWND sheet) {
    for (HWND child = GetWindow(sheet, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (GetDlgItem(child, 1059)) return child;
    return nullptr;
}

HWND Where(const char* where) {
    HWND sheet = Sheet();
    if (!sheet) return nullptr;
    if (std::strcmp(where, "panel") == 0) return PanelOf(sheet);
    return reinterpret_cast<HWND>(SendMessageA(sheet, PSM_INDEXTOHWND, std::atoi(where), 0));
}

HWND Control(const char* where, const char* id) {
    HWND parent = Where(where);
    return parent ? GetDlgItem(parent, std::atoi(id)) : nullptr;
}

std::string ClassOf(HWND window) {
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

int Fail(const char* what) {
    std::fprintf(stderr, "ConfigDriver: %s\n", what);
    return 1;
}
}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return Fail("no command");
    const std::string verb = argv[1];
    if (verb == "wait") {
        // The sheet bears its caption while it still makes its panel and
        // pages; it is up once it is shown.
        for (int k = 0; k < 200; ++k, Sleep(100))
            if (IsWindowVisible(Sheet())) return 0;
        return Fail("no sheet");
    }
    if (verb == "ok" || verb == "cancel") {
        HWND sheet = Sheet();
        if (!sheet) return Fail("no sheet");
        PostMessageA(sheet, WM_COMMAND, verb == "ok" ? IDOK : IDCANCEL, 0);
        return 0;
    }
    if (verb == "page" && argc == 3) {
        HWND sheet = Sheet();
        if (!sheet) return Fail("no sheet");
        SendMessageA(sheet, PSM_SETCURSEL, std::atoi(argv[2]), 0);
        return 0;
    }
    if (verb == "preview") {
        HWND panel = Where("panel");
        HWND frame = panel ? GetDlgItem(panel, 1022) : nullptr;
        HWND preview = frame ? GetWindow(frame, GW_CHILD) : nullptr;
        if (!preview) {
            std::printf("none\n");
            return 0;
        }
        RECT r;
        GetClientRect(preview, &r);
        std::printf("%ldx%ld\n", r.right, r.bottom);
        return 0;
    }
    if (verb == "has" && argc >= 4) {
        int missing = 0;
        for (int k = 3; k < argc; ++k)
            if (!Control(argv[2], argv[k])) {
                std::printf("missing %s\n", argv[k]);
                ++missing;
            }
        return missing ? 1 : 0;
    }
    if (verb == "answer" && argc == 4) {
        HWND dialog = nullptr;
        for (int k = 0; k < 200 && !dialog; ++k, Sleep(100)) dialog = FindWindowA(nullptr, argv[2]);
        if (!dialog) return Fail("no such dialog");
        HWND edit = FindWindowExA(dialog, nullptr, "Edit", nullptr);
        if (!edit) return Fail("no edit field");
        SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(argv[3]));
        PostMessageA(dialog, WM_COMMAND, IDOK, 0);
        return 0;
    }
    if (argc < 4) return Fail("missing arguments");
    HWND parent = Where(argv[2]);
    HWND control = Control(argv[2], argv[3]);
    const int id = std::atoi(argv[3]);
    if (verb == "command") {
        if (!parent) return Fail("no such page");
        PostMessageA(parent, WM_COMMAND, id, 0);
        return 0;
    }
    if (!control) return Fail("no such control");
    const std::string cls = ClassOf(control);
    if (verb == "slider" && argc == 5) {
        SendMessageA(control, TBM_SETPOS, TRUE, std::atoi(argv[4]));
        const int pos = static_cast<int>(SendMessageA(control, TBM_GETPOS, 0, 0));
        SendMessageA(parent, WM_HSCROLL, MAKEWPARAM(TB_THUMBPOSITION, pos), reinterpret_cast<LPARAM>(control));
        SendMessageA(parent, WM_HSCROLL, MAKEWPARAM(TB_ENDTRACK, 0), reinterpret_cast<LPARAM>(control));
        return 0;
    }
    if (verb == "get") {
        if (cls == TRACKBAR_CLASSA)
            std::printf("%d\n", static_cast<int>(SendMessageA(control, TBM_GETPOS, 0, 0)));
        else if (cls == "Button" && (GetWindowLongA(control, GWL_STYLE) & 0xF) != BS_PUSHBUTTON &&
                 (GetWindowLongA(control, GWL_STYLE) & 0xF) != BS_GROUPBOX)
            std::printf("%d\n", static_cast<int>(SendMessageA(control, BM_GETCHECK, 0, 0)));
        else {
            char text[512] = {};
            SendMessageA(control, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
            std::printf("%s\n", text);
        }
        return 0;
    }
    if (verb == "click") {
        PostMessageA(control, BM_CLICK, 0, 0);
        return 0;
    }
    if (verb == "settext" && argc == 5) {
        SendMessageA(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(argv[4]));
        return 0;
    }
    const bool combo = cls == "ComboBox";
    if (verb == "select" && argc == 5) {
        SendMessageA(control, combo ? CB_SETCURSEL : LB_SETCURSEL, std::atoi(argv[4]), 0);
        PostMessageA(parent, WM_COMMAND, MAKEWPARAM(id, combo ? CBN_SELCHANGE : LBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(control));
        return 0;
    }
    if (verb == "items") {
        const int count = static_cast<int>(SendMessageA(control, combo ? CB_GETCOUNT : LB_GETCOUNT, 0, 0));
        const int chosen = static_cast<int>(SendMessageA(control, combo ? CB_GETCURSEL : LB_GETCURSEL, 0, 0));
        for (int k = 0; k < count; ++k) {
            // Read as wide text: the list controls are Unicode windows and
            // only the wide form of these messages crosses processes intact.
            wchar_t wide[512] = {};
            SendMessageW(control, combo ? CB_GETLBTEXT : LB_GETTEXT, k, reinterpret_cast<LPARAM>(wide));
            char text[1024] = {};
            WideCharToMultiByte(CP_ACP, 0, wide, -1, text, sizeof text, nullptr, nullptr);
            std::printf("%s%s\n", k == chosen ? "*" : "", text);
        }
        return 0;
    }
    return Fail("unknown command");
}
