// SPDX-License-Identifier: GPL-2.0-or-later
#include "settings/SettingsSnapshot.h"

#include <new>

int SettingsSnapshot::Create(const SettingsReader& source, int width, int height) {
    m_pCopy.reset(new (std::nothrow) Settings);
    if (!m_pCopy) return 0;
    m_pCopy->CopyFrom(source);
    m_nWidth = width;
    m_nHeight = height;
    return 1;
}

int SettingsSnapshot::GetInt(int id, int& out) const {
    if (!m_pCopy) return 0;
    switch (id) {
    case SettingId::XRes: out = m_nWidth; return 1;
    case SettingId::YRes: out = m_nHeight; return 1;
    case SettingId::ResolutionIsCurrent: out = 0; return 1;
    default: return m_pCopy->GetInt(id, out);
    }
}

int SettingsSnapshot::GetString(int id, std::string& out) const {
    return m_pCopy ? m_pCopy->GetString(id, out) : 0;
}
