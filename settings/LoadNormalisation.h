// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include "platform/DisplaySize.h"
#include "settings/Settings.h"

#include <string>

// What the load normalisations need from the running system.
class LoadEnvironment {
public:
    virtual ~LoadEnvironment() = default;
    virtual DisplaySize GetDisplaySize() const = 0;
    // The install directory, ending in a path separator.
    virtual std::string GetInstallDirectory() const = 0;
};

// Exchanges the firework burst bounds when the maximum is below the minimum.
void NormaliseBurstBounds(Settings& settings);

// Switches the flaming text off when there is no text to show.
void NormaliseTextSwitch(Settings& settings);

// The rules applied at the end of every load, in order: the screen size and
// the resolution-is-current flag, the burst bounds, the text switch, and the
// palette file name turned into a path below the palette folder.
void NormaliseLoadedSettings(Settings& settings, const LoadEnvironment& environment);
