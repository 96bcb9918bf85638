// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include "settings/Settings.h"

#include <memory>

// A read-only copy of a record that answers a fixed screen size (the preview's view).
class SettingsSnapshot : public SettingsReader {
public:
    // Copies `source` and fixes the size; 0 only when the copy cannot be allocated.
    int Create(const SettingsReader& source, int width, int height);

    int GetInt(int id, int& out) const override;
    int GetString(int id, std::string& out) const override;

private:
    std::unique_ptr<Settings> m_pCopy;
    int m_nWidth = 0;
    int m_nHeight = 0;
};
