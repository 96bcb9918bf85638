// SPDX-License-Identifier: GPL-2.0-or-later
#include "windows/sheet/DataExchange.h"
#include "settings/SettingsTable.h"

#include <commctrl.h>

void ExchangeCheck(HWND dialog, int id, int& value, bool pull) {
    if (pull)
        value = IsDlgButtonChecked(dialog, id) == BST_CHECKED ? 1 : 0;
    else
        CheckDlgButton(dialog, id, value ? BST_CHECKED : BST_UNCHECKED);
}

void ExchangeRadio(HWND dialog, int firstId, int count, int& value, bool pull) {
    if (pull) {
        value = -1;
        for (int k = 0; k < count; ++k)
            if (IsDlgButtonChecked(dialog, firstId + k) == BST_CHECKED) {
                value = k;
                break;
            }
        return;
    }
    for (int k = 0; k < count; ++k) CheckDlgButton(dialog, firstId + k, k == value ? BST_CHECKED : BST_UNCHECKED);
}

void ExchangeSlider(HWND dialog, int id, int& value, bool pull) {
    if (pull)
        value = SliderPosition(dialog, id);
    else
        SetSliderPosition(dialog, id, value);
}

void ExchangeControls(HWND dialog, std::initializer_list<ControlValue> controls, bool pull) {
    for (const ControlValue& control : controls) {
        switch (control.kind) {
        case ControlKind::Check:
            ExchangeCheck(dialog, control.id, control.value, pull);
            break;
        case ControlKind::Slider:
            ExchangeSlider(dialog, control.id, control.value, pull);
            break;
        case ControlKind::Radio:
            ExchangeRadio(dialog, control.id, control.count, control.value, pull);
            break;
        }
    }
}

void SetUpSlider(HWND dialog, int id, int settingId, int tickFrequency, bool redraw, int lineSize) {
    const SettingDef& def = *FindSettingDef(settingId);
    SendDlgItemMessageA(dialog, id, TBM_SETRANGEMIN, FALSE, def.minValue);
    SendDlgItemMessageA(dialog, id, TBM_SETRANGEMAX, redraw, def.maxValue);
    SendDlgItemMessageA(dialog, id, TBM_SETTICFREQ, tickFrequency, 0);
    if (lineSize) SendDlgItemMessageA(dialog, id, TBM_SETLINESIZE, 0, lineSize);
}

void SetUpSliders(HWND dialog, std::initializer_list<SliderSetUp> sliders) {
    for (const SliderSetUp& slider : sliders) SetUpSlider(dialog, slider.id, slider.settingId, slider.tickFrequency, false);
}

int SliderPosition(HWND dialog, int id) {
    return static_cast<int>(SendDlgItemMessageA(dialog, id, TBM_GETPOS, 0, 0));
}

void SetSliderPosition(HWND dialog, int id, int position) { SendDlgItemMessageA(dialog, id, TBM_SETPOS, TRUE, position); }

void SetItemText(HWND dialog, int id, const char* text) { SetDlgItemTextA(dialog, id, text); }

void EnableItem(HWND dialog, int id, bool enable) {
    if (HWND item = GetDlgItem(dialog, id)) EnableWindow(item, enable);
}
