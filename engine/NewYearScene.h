// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include "engine/Firework.h"
#include "engine/FrameSource.h"

#include <vector>

// The recurring New Year scene: 440 glowing particles gather into "2003",
// a few fireworks rise while the last digit turns into a "4", then thirty
// fireworks burst from all over "2004". Drawn after the averaging, each
// frame's glow becomes flames rising from the digits.
class CNewYearScene {
public:
    enum State { Gathering, YearShown, FirstFireworks, NewDigit, FinalFireworks, Over };

    struct Particle {
        int phase = 0;  // 0..63, its own gliding speed
        int duration = 0;
        int step = 0;
        int heat = 0;
        float x = 0, y = 0;  // fractions of the screen
        float speedX = 0, speedY = 0;
    };

    static constexpr int kParticles = 440;
    static constexpr int kFireworks = 30;

    explicit CNewYearScene(CFrameSource* engine);
    // 0 when the fireworks' balls cannot be reserved.
    int Init();

    void Start();
    // Moves everything by one frame; the scene is drawn only when it returns non-zero.
    int Advance();
    void Draw();

    State GetState() const { return m_eState; }
    const std::vector<Particle>& Particles() const { return m_Particles; }
    const Firework& FireworkAt(int i) const { return m_Fireworks[static_cast<std::size_t>(i)]; }

private:
    bool MoveParticles();
    void MoveTowards(Particle& particle, float tx, float ty);
    // Launches from a particle with a fuse of 1 .. longestFuse frames.
    void Launch(int fireworkIndex, const Particle& from, int longestFuse);
    bool AdvanceFireworks(int count);

    CFrameSource* m_pEngine;
    std::vector<Particle> m_Particles;
    std::vector<Firework> m_Fireworks;
    float m_fDigitX[4] = {0.2f, 0.4f, 0.6f, 0.8f};
    float m_fDigitY[4] = {0.4f, 0.4f, 0.4f, 0.4f};
    float m_fSize = 0.133f;
    float m_fGlide = 0;
    State m_eState = Gathering;
    int m_nStateCount = 0;
    // Kept per scene (not per process) so that engines of other sizes made in
    // the same process, such as a rebuilt preview, never share them.
    FieldView m_Field;
    double m_dHeatFactor = 0;
};

// A point of a digit's outline relative to its centre, in fractions of the
// screen with y growing downward: digit 0..9 of the ones the scene shows
// ("0", "2", "3", "4"), size s, glide offset d, particle j of 110.
struct OutlinePoint {
    float p, q;
};
OutlinePoint DigitOutline(int digit, float s, float d, int j);
