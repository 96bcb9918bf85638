// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include "engine/FrameSource.h"

// A single hot pixel that flies up from the bottom edge and cools.
class Sparkle {
public:
    void Init(CFrameSource* engine);
    int Move();
    int Draw();

    int x = 0, y = 0, heat = 0;
    signed char horizontalSpeed = 0;  // kept within -3..3
    signed char verticalSpeed = 0;    // kept within -10..-2 after each move

private:
    CFrameSource* m_pEngine = nullptr;
};
