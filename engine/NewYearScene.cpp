// SPDX-License-Identifier: GPL-2.0-or-later
#include "engine/NewYearScene.h"
#include "engine/GlowSpot.h"

#include <cmath>
#include <new>

// The scene works in single precision with float constants throughout; sines
// and cosines are the double functions of a float argument, rounded to float.
namespace {
constexpr int kPerDigit = 110;
constexpr int kMaxBurst = 79;  // (t0 mod 50) + 30

float Sin(float a) { return static_cast<float>(std::sin(a)); }
float Cos(float a) { return static_cast<float>(std::cos(a)); }

// Position along the outline, 0 <= u < 1, shifted by the glide.
float OutlinePosition(float d, int j) {
    const float along = static_cast<float>(j) / 110.0f + d / 6.2831855f;
    float u = static_cast<float>(static_cast<int>(along * 10000.0f) % 10000) * 0.0001f;
    if (u < 0) u += 1;
    return u;
}

OutlinePoint Two(float u) {
    float P, Q;
    if (u < 0.375f) {
        const float a = static_cast<float>(2.6179938884259712 -
                                           (static_cast<float>(u * 2.6666667f) * 3.665191406345656 - 0.5235988057732222));
        P = Cos(a) * 0.25f;
        Q = (Sin(a) + 1) * 0.25f;
    } else if (u < 0.625f) {
        const float h = (u - 0.375f) * 4;
        P = (1 - h) * 0.22f - h * 0.25f;
        Q = (1 - h) * 0.128f - h * 0.3f;
    } else if (u < 0.68833f) {
        P = -0.25f;
        const float h = (u - 0.625f) * 15.790306f;
        Q = -0.5f * h - 0.3f * (1 - h);
    } else if (u < 0.94667f) {
        P = (u - 0.68833f) * 3.8708677f * 0.5f - 0.25f;
        Q = -0.5f;
    } else {
        P = 0.25f;
        const float h = (u - 0.94667f) * 18.751171f;
        Q = -0.3f * h - 0.5f * (1 - h);
    }
    return {P, Q};
}

OutlinePoint Three(float u) {
    float a = u * 2 * 3.1415927f * 1.25f;
    if (u < 0.5f) {
        a -= 1.5707964f;
        return {Cos(a) * 0.2f, Sin(a) * 0.2f + 0.3f};
    }
    a += 6.2831855f;
    return {Cos(a) * 0.3f, Sin(a) * 0.3f - 0.2f};
}

OutlinePoint Four(float u) {
    if (u < 0.2f) {
        const float h = 5 * u;
        return {0.1f * h - 0.3f * (1 - h), 0.5f * h - 0.2f * (1 - h)};
    }
    if (u < 0.5f) {
        const float h = (u - 0.2f) * 3.3333333f;
        return {0.1f, 0.5f * (1 - h) - 0.5f * h};
    }
    if (u < 0.9f) return {(u - 0.5f) * 2.5000002f * 0.5f - 0.3f, -0.2f};
    return {(u - 0.9f) * 9.999998f * 0.2f, -0.5f};
}
}  // namespace

OutlinePoint DigitOutline(int digit, float s, float d, int j) {
    if (digit == 0) {
        const float a = static_cast<float>(j) / 110.0f * 6.2831855f + d;
        return {Cos(a) * s * 0.3f, s * Sin(a) * 0.5f};
    }
    const float u = OutlinePosition(d, j);
    const OutlinePoint point = digit == 2 ? Two(u) : digit == 3 ? Three(u) : Four(u);
    return {s * point.p, -(s * point.q)};
}

CNewYearScene::CNewYearScene(CFrameSource* engine) : m_pEngine(engine) {}

int CNewYearScene::Init() {
    try {
        m_Particles.resize(kParticles);
        m_Fireworks.resize(kFireworks);
    } catch (const std::bad_alloc&) {
        return 0;
    }
    for (Firework& firework : m_Fireworks)
        if (!firework.Init(m_pEngine, kMaxBurst)) return 0;
    FetchFireField(*m_pEngine, m_Field);
    m_dHeatFactor = m_Field.height * 247 * 0.00016666666666666666;
    return 1;
}

void CNewYearScene::Start() {
    m_eState = Gathering;
    m_nStateCount = 0;
    m_fGlide = 0;
    CrtRandom& crt = m_pEngine->Shared().crt;
    for (Particle& particle : m_Particles) {
        particle.speedX = static_cast<float>((m_pEngine->Draw() % 11 - 5) / 1000.0);
        particle.speedY = static_cast<float>((m_pEngine->Draw() % 11 - 5) / 1000.0);
        particle.duration = crt.Next() % 300 + 300;
        particle.y = static_cast<float>(crt.Next() % 2);
        particle.x = static_cast<float>(crt.Next() % 1000) * 0.001f;
        particle.phase = crt.Next() % 64;
        particle.step = 0;
    }
}

void CNewYearScene::MoveTowards(Particle& particle, float tx, float ty) {
    if (particle.step >= particle.duration) {
        particle.x = tx;
        particle.y = ty;
        return;
    }
    particle.heat = static_cast<int>(particle.step * m_dHeatFactor) / particle.duration;
    const float t = static_cast<float>(particle.step) / static_cast<float>(particle.duration);
    const float e = t == 1 ? 100000.0f : 1 / (1 - t) / static_cast<float>(particle.duration);
    particle.speedX = e * (tx - particle.x) + (1 - e) * particle.speedX;
    particle.speedY = e * (ty - particle.y) + (1 - e) * particle.speedY;
    particle.x += particle.speedX;
    particle.y += particle.speedY;
    particle.step += 1;
}

bool CNewYearScene::MoveParticles() {
    const float s = 2 * m_fSize;
    bool moving = false;
    for (int g = 0; g < 4; ++g)
        for (int j = 0; j < kPerDigit; ++j) {
            Particle& particle = m_Particles[static_cast<std::size_t>(kPerDigit * g + j)];
            const int b = ((particle.phase - 32) >> 3) + 2 * (j % 2) - 1;
            const float d = static_cast<float>(b) * m_fGlide;
            int digit = 3;
            if (g == 0) digit = 2;
            else if (g < 3) digit = 0;
            else if (m_eState >= NewDigit || (m_eState == FirstFireworks && j % 2 == 1)) digit = 4;
            const OutlinePoint point = DigitOutline(digit, s, d, j);
            MoveTowards(particle, point.p + m_fDigitX[g], point.q + m_fDigitY[g]);
            moving |= particle.step < particle.duration;
        }
    return moving;
}

void CNewYearScene::Launch(int fireworkIndex, const Particle& from, int longestFuse) {
    int t[4];
    for (int& draw : t) draw = m_pEngine->Draw();
    const int x = static_cast<int>(static_cast<float>(m_Field.width) * from.x);
    const int y = static_cast<int>(static_cast<float>(m_Field.height) * from.y);
    // A launch that cannot allocate leaves an idle firework that advancing skips.
    m_Fireworks[static_cast<std::size_t>(fireworkIndex)].Launch(x, y, t[3] % 9 - 4, t[2] % 9 - 4,
                                                                t[1] % longestFuse + 1, t[0] % 50 + 30);
}

bool CNewYearScene::AdvanceFireworks(int count) {
    bool flying = false;
    for (int i = 0; i < count; ++i) {
        m_Fireworks[static_cast<std::size_t>(i)].Advance();
        flying |= !m_Fireworks[static_cast<std::size_t>(i)].IsIdle();
    }
    return flying;
}

int CNewYearScene::Advance() {
    int result = 0;
    if (m_eState <= NewDigit) result = MoveParticles() ? 1 : 0;
    if (m_eState == YearShown || m_eState == NewDigit) {
        ++m_nStateCount;
        result = 1;
    } else if (m_eState == Gathering && !result) {
        m_nStateCount = 0;
        m_eState = YearShown;
    }
    if (m_eState == YearShown && m_nStateCount >= 70) {
        FetchFireField(*m_pEngine, m_Field);
        for (int f = 0; f < 6; ++f) {
            const int particle = m_pEngine->Shared().crt.Next() % kPerDigit + 3 * kPerDigit;
            Launch(f, m_Particles[static_cast<std::size_t>(particle)], 6);
        }
        m_eState = FirstFireworks;
    }
    if (m_eState == NewDigit && m_nStateCount >= 230) {
        FetchFireField(*m_pEngine, m_Field);
        for (int f = 0; f < kFireworks; ++f) Launch(f, m_Particles[static_cast<std::size_t>(14 * f)], 40);
        m_eState = FinalFireworks;
    }
    if (m_eState == FirstFireworks) {
        result = AdvanceFireworks(6) ? 1 : 0;
        if (!result) {
            m_nStateCount = 0;
            m_eState = NewDigit;
        }
    } else if (m_eState == FinalFireworks) {
        result = AdvanceFireworks(kFireworks) ? 1 : 0;
        if (!result) m_eState = Over;
    }
    if (m_eState == Over) return 0;
    m_fGlide += 0.02f;
    return result;
}

void CNewYearScene::Draw() {
    FetchFireField(*m_pEngine, m_Field);  // the engine may have moved its field since
    const int w = m_Field.width, h = m_Field.height;
    for (const Particle& particle : m_Particles) {
        const int px = static_cast<int>(static_cast<float>(w) * particle.x);
        const int py = static_cast<int>(static_cast<float>(h) * particle.y);
        if (px < 0 || py < 0 || px >= w - 9 || py >= h - 9 || particle.heat <= 0) continue;
        AddGlow(m_pEngine->Passes(), m_Field.pixels, w, px, py, particle.heat);
    }
}
