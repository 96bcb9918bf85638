// SPDX-License-Identifier: GPL-2.0-or-later
#include "sound/AudioDevice.h"

#include <new>

namespace {
// Stands in where the platform has no sound output: it never opens, so the
// player reports failure and the fire runs silent.
class CNullAudioDevice final : public CAudioDevice {
public:
    int Create() override { return 0; }
    int SetCooperativeLevel(void*) override { return 0; }
    std::unique_ptr<CAudioBuffer> CreateBuffer(const WaveFormat&, std::uint32_t) override { return nullptr; }
};
}  // namespace

std::unique_ptr<CAudioDevice> CreatePlatformAudioDevice() {
    return std::unique_ptr<CAudioDevice>(new (std::nothrow) CNullAudioDevice);
}
