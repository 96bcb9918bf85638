// SPDX-License-Identifier: GPL-2.0-or-later
#include "engine/Firework.h"

#include <algorithm>
#include <cstdlib>
#include <new>

int Firework::Init(CFrameSource* engine, int maxBalls) {
    m_pEngine = engine;
    m_nTimer = 0;
    m_bIdle = true;
    try {
        m_Balls.reserve(static_cast<std::size_t>(std::max(maxBalls, 1)));
    } catch (const std::bad_alloc&) {
        return 0;
    }
    return 1;
}

int Firework::Launch(int x, int y, int horizontalSpeed, int verticalSpeed, int fuse, int ballCount) {
    m_nTimer = fuse;
    m_Balls.clear();
    try {
        m_Balls.resize(static_cast<std::size_t>(std::max(ballCount, 0)));
    } catch (const std::bad_alloc&) {
        return 0;
    }
    for (Fireball& ball : m_Balls) ball.Init(m_pEngine);
    if (m_Balls.empty()) return 0;
    Fireball& rocket = m_Balls[0];
    rocket.x = x;
    rocket.y = y;
    rocket.horizontalSpeed = horizontalSpeed;
    rocket.verticalSpeed = verticalSpeed;
    rocket.heat = 123;
    m_bIdle = false;
    return 1;
}

void Firework::Burst() {
    ExplosionSink* sound = m_pEngine->Explosions();
    if (sound && sound->PlaysExplosions()) sound->PlayExplosion(m_pEngine->Draw());
    const int x = m_Balls[0].x, y = m_Balls[0].y;
    for (Fireball& ball : m_Balls) {
        int h, v;
        for (;;) {
            const int a = m_pEngine->Draw(), b = m_pEngine->Draw(), c = m_pEngine->Draw();
            h = a % 15 - 7;
            v = b % 15 - 7;
            if (std::abs(h) + std::abs(v) <= c % 5 + 8) break;
        }
        ball.x = x;
        ball.y = y;
        ball.horizontalSpeed = h;
        ball.verticalSpeed = v - 3;
        ball.heat = 164;
    }
}

int Firework::Advance() {
    bool drawn = false;
    if (m_Balls.empty()) {
        // A launch that could not allocate leaves nothing to fly.
    } else if (m_nTimer > 0) {
        Fireball& rocket = m_Balls[0];
        rocket.x += rocket.horizontalSpeed;
        rocket.y += rocket.verticalSpeed;
        if (m_nTimer % 5 == 0) rocket.verticalSpeed += 1;
        rocket.heat = std::max(0, rocket.heat - m_pEngine->Draw() % 5);
        drawn = rocket.Draw() != 0;
    } else if (m_nTimer == 0) {
        Burst();
        for (Fireball& ball : m_Balls) drawn |= ball.Draw() != 0;
    } else {
        for (Fireball& ball : m_Balls) {
            ball.x += ball.horizontalSpeed;
            ball.y += ball.verticalSpeed;
            if (m_nTimer % 5 == 0) ball.verticalSpeed += 1;
            ball.heat = std::max(0, ball.heat - m_pEngine->Draw() % 15);
            drawn |= ball.Draw() != 0;
        }
    }
    if (!drawn) m_bIdle = true;
    m_nTimer -= 1;
    return 1;
}
