#pragma once
#include "platform/DesktopImage.h"

// Photographs the screen through GDI into a 24-bit bottom-up section.
class GdiDesktopCapture : public DesktopSource {
public:
    int Capture(DesktopImage& image) override;
};
