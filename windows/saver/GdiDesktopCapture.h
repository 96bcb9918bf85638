// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include "platform/DesktopImage.h"
#include "run/MonitorLayout.h"

// Photographs one monitor's part of the screen through GDI into a 24-bit
// bottom-up section.
class GdiDesktopCapture : public DesktopSource {
public:
    explicit GdiDesktopCapture(const MonitorArea& area) : m_Area(area) {}
    int Capture(DesktopImage& image) override;

private:
    MonitorArea m_Area;
};
