// SPDX-License-Identifier: GPL-2.0-or-later
#include "windows/saver/PreviewMode.h"
#include "platform/MessageBox.h"
#include "windows/display/PreviewWnd.h"
#include "sound/SoundPlayer.h"

bool StartPreviewRun(HWND parent, SharedEngineState& shared) {
    g_bMute = 1;
    Settings settings;
    settings.Load();
    CPreviewWnd* preview = CPreviewWnd::New(settings, shared);
    if (!preview) {
        ShowMessageBox(nullptr, "Error allocating memory for preview window.", MessageIcon::None);
        return false;
    }
    RECT client{};
    GetClientRect(parent, &client);
    preview->QuitWhenDestroyed();
    return preview->Create(client, parent) != FALSE;
}
