// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include "windows/sheet/DialogWindow.h"

#include <string>

// A dialog that asks for a name in one edit control: it starts with `text`,
// holds at most `maxLength` characters, and OK copies the edited text back
// into `text` only when `check` accepts it; otherwise the reason is shown and
// the name can be edited again.
class CNameDialog : public CDialogWindow {
public:
    using NameCheck = int (*)(const std::string& name, std::string& why);
    CNameDialog(int templateId, int editId, int maxLength, NameCheck check, std::string& text);

protected:
    BOOL OnInitDialog() override;
    INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    const int m_nEditId, m_nMaxLength;
    const NameCheck m_pCheck;
    std::string& m_Text;
};

// The one-line prompt of the preset operations (dialog 151). A name with a
// backslash is refused with a message, since it would name a registry key
// below another.
class CPromptDialog : public CNameDialog {
public:
    CPromptDialog(std::string& text, const std::string& caption, const std::string& prompt);

protected:
    BOOL OnInitDialog() override;

private:
    std::string m_Caption, m_Prompt;
};

// The palette name dialog (148): starts with "New Palette"; OK only with a
// name of letters, digits and spaces.
class CPaletteNameDialog : public CNameDialog {
public:
    CPaletteNameDialog();
    std::string m_strName;
};
