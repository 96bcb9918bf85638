// SPDX-License-Identifier: GPL-2.0-or-later
#include "sound/WaveData.h"

#include "platform/Resources.h"

namespace {
constexpr std::size_t kHeaderSize = 44;

std::uint16_t Read16(const unsigned char* p) { return static_cast<std::uint16_t>(p[0] | p[1] << 8); }

std::uint32_t Read32(const unsigned char* p) {
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}
}  // namespace

int ReadWave(const unsigned char* bytes, std::size_t size, WaveData& out) {
    if (!bytes || size < kHeaderSize) return 0;
    const std::uint32_t dataSize = Read32(bytes + 40);
    if (dataSize > size - kHeaderSize) return 0;
    out.format.bStereo = Read16(bytes + 22) >= 2;
    out.format.nSampleRate = Read32(bytes + 24);
    out.format.nBlockAlign = Read16(bytes + 32);
    out.format.nBitsPerSample = Read16(bytes + 34);
    out.pSamples = bytes + kHeaderSize;
    out.nSize = dataSize;
    return 1;
}

int FindWave(int id, WaveData& out) {
    ResourceData resource{};
    if (!FindBuiltInResource("WAVE", id, resource)) return 0;
    return ReadWave(resource.bytes, resource.size, out);
}
