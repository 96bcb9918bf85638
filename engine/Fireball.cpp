// SPDX-License-Identifier: GPL-2.0-or-later
#include "engine/Fireball.h"
#include "engine/GlowSpot.h"

#include <algorithm>

void Fireball::Init(CFrameSource* engine) {
    m_pEngine = engine;
    FieldView field;
    FetchFireField(*engine, field);
    x = m_pEngine->Draw() % field.width;
    y = m_pEngine->Draw() % field.height;
    horizontalSpeed = m_pEngine->Draw() % 3 - 1;
    verticalSpeed = m_pEngine->Draw() % 3 - 1;
    heat = 0;
    heatSpeed = m_pEngine->Draw() % 5;
}

namespace {
// One draw; only when it is a multiple of 3 a second one nudges the speed.
void Wander(const CFrameSource& engine, int& speed) {
    if (engine.Draw() % 3 == 0) speed += engine.Draw() % 3 - 1;
}
}  // namespace

int Fireball::Move() {
    FieldView field;
    if (!FetchFireField(*m_pEngine, field)) return 0;
    if (x + horizontalSpeed >= field.width - 9 || x + horizontalSpeed < 0) horizontalSpeed = -horizontalSpeed;
    if (y + verticalSpeed >= field.height - 9 || y + verticalSpeed < 0) verticalSpeed = -verticalSpeed;
    x += horizontalSpeed;
    y += verticalSpeed;
    Wander(*m_pEngine, horizontalSpeed);
    Wander(*m_pEngine, verticalSpeed);
    horizontalSpeed = std::clamp(horizontalSpeed, -5, 5);
    verticalSpeed = std::clamp(verticalSpeed, -5, 5);
    heatSpeed += m_pEngine->Draw() % 5 - 2;
    if (heat + heatSpeed > kHeatCeiling || heat + heatSpeed < 0) heatSpeed = -heatSpeed;
    heat += heatSpeed;
    heatSpeed = std::clamp(heatSpeed, -4, 4);
    return 1;
}

int Fireball::Draw() {
    FieldView field;
    if (!FetchFireField(*m_pEngine, field)) return 0;
    if (x < 0 || y < 0 || x >= field.width - 9 || y >= field.height - 9 || heat <= 0) return 0;
    AddGlow(m_pEngine->Passes(), field.pixels, field.width, x, y, heat);
    return 1;
}
