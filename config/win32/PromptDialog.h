// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include "config/win32/DialogWindow.h"

#include <string>

// The one-line prompt of the preset operations (dialog 151): OK copies the
// edited text back into `text`. A name with a backslash is refused with a
// message, since it would name a registry key below another.
class CPromptDialog : public CDialogWindow {
public:
    CPromptDialog(std::string& text, const std::string& caption, const std::string& prompt);

protected:
    BOOL OnInitDialog() override;
    INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    std::string& m_Text;
    std::string m_Caption, m_Prompt;
};

// The palette name dialog (148): starts with "New Palette"; OK only with a
// name of letters, digits and spaces.
class CPaletteNameDialog : public CDialogWindow {
public:
    CPaletteNameDialog();
    std::string m_strName;

protected:
    BOOL OnInitDialog() override;
    INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
};
