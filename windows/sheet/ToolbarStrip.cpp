// SPDX-License-Identifier: GPL-2.0-or-later
#include "windows/sheet/ToolbarStrip.h"

#include "config/DpiRules.h"
#include "windows/sheet/WindowDpi.h"

#include <commctrl.h>

#include <vector>

namespace {
// Frees the strip's bitmap when the toolbar goes.
LRESULT CALLBACK ReleaseImagesWhenDestroyed(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                            DWORD_PTR images) {
    if (message != WM_NCDESTROY) return DefSubclassProc(window, message, wParam, lParam);
    const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
    RemoveWindowSubclass(window, ReleaseImagesWhenDestroyed, id);
    DeleteObject(reinterpret_cast<HBITMAP>(images));
    return result;
}
}  // namespace

HWND CreateToolbarStrip(HWND dialog, int placeholderId, int bitmapId, const int* commands, int count) {
    HWND placeholder = GetDlgItem(dialog, placeholderId);
    if (!placeholder || count <= 0) return nullptr;
    RECT place;
    GetWindowRect(placeholder, &place);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&place), 2);

    HINSTANCE instance = GetModuleHandleA(nullptr);
    HWND toolbar = CreateWindowExA(0, TOOLBARCLASSNAMEA, "",
                                   WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | CCS_NODIVIDER |
                                       CCS_NOPARENTALIGN | CCS_NORESIZE,
                                   place.left, place.top, place.right - place.left, place.bottom - place.top, dialog,
                                   nullptr, instance, nullptr);
    if (!toolbar) return nullptr;
    SendMessageA(toolbar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    // The drawing made for this DPI, or the next smaller one.
    const int side =
        PickImageSide(kToolImageSides, kToolImageSideCount, ScaleToDpi(kToolImageSides[0], WindowDpi(dialog)));
    HBITMAP images = CreateMappedBitmap(instance, ToolStripResource(bitmapId, side), 0, nullptr, 0);
    if (!images) {
        DestroyWindow(toolbar);
        return nullptr;
    }
    SetWindowSubclass(toolbar, ReleaseImagesWhenDestroyed, 1, reinterpret_cast<DWORD_PTR>(images));
    SendMessageA(toolbar, TB_SETBITMAPSIZE, 0, MAKELPARAM(side, side));
    TBADDBITMAP add{nullptr, reinterpret_cast<UINT_PTR>(images)};
    SendMessageA(toolbar, TB_ADDBITMAP, count, reinterpret_cast<LPARAM>(&add));

    std::vector<TBBUTTON> buttons(count);
    for (int k = 0; k < count; ++k) {
        buttons[k] = TBBUTTON{};
        buttons[k].iBitmap = k;
        buttons[k].idCommand = commands[k];
        buttons[k].fsState = TBSTATE_ENABLED;
        buttons[k].fsStyle = TBSTYLE_BUTTON;
    }
    SendMessageA(toolbar, TB_ADDBUTTONSA, count, reinterpret_cast<LPARAM>(buttons.data()));
    RedrawWindow(toolbar, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    return toolbar;
}

void EnableToolButton(HWND toolbar, int command, bool enable) {
    if (toolbar) SendMessageA(toolbar, TB_ENABLEBUTTON, command, MAKELPARAM(enable ? TRUE : FALSE, 0));
}

bool IsToolButtonEnabled(HWND toolbar, int command) {
    return toolbar && SendMessageA(toolbar, TB_ISBUTTONENABLED, command, 0) != 0;
}
