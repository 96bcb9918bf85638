// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include "engine/Fireball.h"

#include <vector>

// A rocket that rises from the bottom and bursts into a diamond-shaped spray
// of glows with an explosion sound.
class Firework {
public:
    // Starts idle; `maxBalls` fireball records are reserved so that launches
    // never allocate while the fire runs.
    int Init(CFrameSource* engine, int maxBalls);
    // 0 when the balls cannot be allocated.
    int Launch(int x, int y, int horizontalSpeed, int verticalSpeed, int fuse, int ballCount);
    // Always 1.
    int Advance();

    bool IsIdle() const { return m_bIdle; }
    int Timer() const { return m_nTimer; }
    const std::vector<Fireball>& Balls() const { return m_Balls; }

private:
    void Burst();

    CFrameSource* m_pEngine = nullptr;
    std::vector<Fireball> m_Balls;  // ball 0 is the rocket until the burst
    int m_nTimer = 0;  // above 0 rising, 0 bursting, below 0 flying
    bool m_bIdle = true;
};
