// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include "platform/DesktopImage.h"

#include <string>

// Reads a binary PPM (P6, maxval 255) as a bottom-up 24-bit picture; false
// with one line of explanation in `error` when it cannot.
bool ReadPpm(const std::string& path, DesktopImage& image, std::string& error);
