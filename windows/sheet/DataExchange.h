// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include <windows.h>

#include <initializer_list>

// Moves values between a dialog's controls and the page's members: `pull`
// reads the control into the value, otherwise the value is shown.

// Check box: 1 ticked, 0 not.
void ExchangeCheck(HWND dialog, int id, int& value, bool pull);
// Radio group of `count` buttons from `firstId` on: the index of the ticked
// button, -1 for none.
void ExchangeRadio(HWND dialog, int firstId, int count, int& value, bool pull);
// Slider position (the slider clamps a pushed value to its range).
void ExchangeSlider(HWND dialog, int id, int& value, bool pull);

// A control and the member it shows: a check box, a slider, or a radio
// group of `count` buttons from `id` on.
enum class ControlKind { Check, Slider, Radio };
struct ControlValue {
    int id;
    int& value;
    ControlKind kind;
    int count = 0;
};
// Exchanges each control with its member, in order.
void ExchangeControls(HWND dialog, std::initializer_list<ControlValue> controls, bool pull);

// Slider set-up for a setting: the range the settings table gives it, tick
// frequency and, when nonzero, the arrow-key step.
void SetUpSlider(HWND dialog, int id, int settingId, int tickFrequency, bool redraw, int lineSize = 0);
// The sliders of a page, each set up as SetUpSlider does (not redrawn).
struct SliderSetUp {
    int id, settingId, tickFrequency;
};
void SetUpSliders(HWND dialog, std::initializer_list<SliderSetUp> sliders);
int SliderPosition(HWND dialog, int id);
void SetSliderPosition(HWND dialog, int id, int position);

void SetItemText(HWND dialog, int id, const char* text);
void EnableItem(HWND dialog, int id, bool enable);
