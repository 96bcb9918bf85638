// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include "platform/NonCopyable.h"

#include <windows.h>

// The marbled picture (bitmap 146) that the sheet, its tab control, the left
// panel and every page paint under themselves, so that the whole dialog shows
// one continuous picture tinted with the button-face colour. Loaded by the
// first holder, freed with the last; everything runs on the sheet's thread.

// Takes a reference; the first one loads and tints the picture. 0 when the
// picture could not be loaded (no reference is then held).
int AcquireBackground();
void ReleaseBackground();

// A holder's reference, given back when the token goes.
class CBackgroundRef : private NonCopyable {
public:
    CBackgroundRef() : m_bHeld(AcquireBackground() != 0) {}
    ~CBackgroundRef() {
        if (m_bHeld) ReleaseBackground();
    }

private:
    bool m_bHeld;
};

// Covers `rect` of `dc` with the picture placed with its top-left corner at
// minus `origin`, tiled (and stretched by the dialog scale). 1 when painted,
// 0 when no picture is loaded.
int PaintBackground(HDC dc, const RECT& rect, POINT origin);

// The stretch factors from the dialog-unit size of `window`.
void ComputeDialogScale(HWND window);
// Sets the stretch factors so that the picture covers `width` x `height` once.
void FitBackgroundTo(int width, int height);

// Paints the client area of `window` with the picture anchored at the client
// origin of `anchor` (so neighbouring windows join without a seam).
int PaintAnchoredBackground(HWND window, HDC dc, HWND anchor);

// A brush of the picture, scaled as painted, whose pattern lines up with the
// picture painted around `control` when `control` fills its client area with
// it through `dc`; null when no picture is loaded. Owned by the background.
HBRUSH AnchoredBackgroundBrush(HDC dc, HWND control);

// The colour answer of a textured dialog to WM_CTLCOLOR*: a see-through brush
// for controls marked WS_EX_TRANSPARENT; the anchored picture for trackbars
// and icons, which fill their boxes themselves; null (the default colours)
// otherwise.
HBRUSH TexturedControlColour(UINT message, HDC dc, HWND control);
