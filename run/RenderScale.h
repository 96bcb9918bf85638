// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// The render scale: the fire burns in a field of the screen's size divided
// by a factor, and each frame is scaled up to the screen. Fewer pixels to
// burn keep large screens fast, and the flames, whose height in pixels the
// averaging fixes, reach as far up a large screen as up a small one.
constexpr int kRenderScaleAutomatic = 0;
constexpr int kMaxRenderScale = 4;
// Automatic chooses the smallest factor that brings the field within this size.
constexpr int kAutomaticFieldWidth = 1920;
constexpr int kAutomaticFieldHeight = 1200;

// The factor, 1 to 4, for a RenderScale setting on a screen: 1 to 4 as set,
// automatic (0, and any value outside 0..4) the smallest factor that brings
// the field within 1920 x 1200. A factor never leaves the field narrower than
// 1 pixel or lower than 2 (the engine's smallest), so tiny screens get 1.
int ChooseRenderScale(int setting, int screenWidth, int screenHeight);

struct FieldSize {
    int width = 0, height = 0;
};

// The field of a screen at a factor: each side divided, rounded down.
FieldSize RenderFieldSize(int screenWidth, int screenHeight, int factor);

// The field a screen burns for a RenderScale setting: the one rule every
// front end, the benchmark and the measurement scripts (through
// `emberlux-frames --field-of`) follow.
FieldSize FieldSizeFor(int screenWidth, int screenHeight, int renderScale);
