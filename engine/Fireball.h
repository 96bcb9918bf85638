// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include "engine/FrameSource.h"

// A soft 9 x 9 glow: a free fireball that wanders and bounces, or the rocket
// and the burst glows of a firework.
class Fireball {
public:
    void Init(CFrameSource* engine);
    // Free fireballs only: bounce, wander and pulse.
    int Move();
    // Adds the glow to the fire field; 0 when nothing was drawn.
    int Draw();

    int x = 0, y = 0;  // top-left corner of the glow
    int heat = 0;
    int horizontalSpeed = 0, verticalSpeed = 0;
    int heatSpeed = 0;

private:
    CFrameSource* m_pEngine = nullptr;
};
