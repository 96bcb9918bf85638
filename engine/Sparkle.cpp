// SPDX-License-Identifier: GPL-2.0-or-later
#include "engine/Sparkle.h"

#include <algorithm>

void Sparkle::Init(CFrameSource* engine) {
    m_pEngine = engine;
    FieldView field;
    FetchFireField(*engine, field);
    heat = 242;
    x = m_pEngine->Draw() % field.width;
    y = field.height - 1;
    horizontalSpeed = static_cast<signed char>(m_pEngine->Draw() % 3 - 1);
    verticalSpeed = static_cast<signed char>(m_pEngine->Draw() % 4 - 4);
}

int Sparkle::Move() {
    FieldView field;
    if (!FetchFireField(*m_pEngine, field)) return 0;
    x += horizontalSpeed;
    y += verticalSpeed;
    if (y < 2 || heat <= 0) {
        heat = 247;
        horizontalSpeed = 0;
        y = field.height - 1;
        verticalSpeed = 20;  // the clamp below turns it into -2
    }
    if (x >= field.width) x = 0;
    if (x < 0) x = field.width - 1;
    const int vertical = verticalSpeed + m_pEngine->Draw() % 3 - 1;
    const int horizontal = horizontalSpeed + m_pEngine->Draw() % 3 - 1;
    verticalSpeed = static_cast<signed char>(std::clamp(vertical, -10, -2));
    horizontalSpeed = static_cast<signed char>(std::clamp(horizontal, -3, 3));
    heat = std::max(0, heat - m_pEngine->Draw() % 6);
    return 1;
}

int Sparkle::Draw() {
    FieldView field;
    if (!FetchFireField(*m_pEngine, field)) return 0;
    const auto value = static_cast<std::uint8_t>(heat);
    if (y >= 0 && y < field.height) field.pixels[y * field.width + x] = value;
    if (y >= 1 && y <= field.height) field.pixels[(y - 1) * field.width + x] = value;
    return 1;
}
