// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include "engine/TurbulenceMap.h"

#include <windows.h>

// The window that tells the user, the first time a resolution is used, that
// the turbulence map is being prepared (dialog 149 with its progress bar).
class ProgressWindow : public TurbulenceProgress {
public:
    ~ProgressWindow() override { End(); }
    void Begin(int rows) override;
    void Row(int y) override;
    void End() override;

private:
    HWND m_hWnd = nullptr;
};
