// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>
#include <unistd.h>

// Takes the values a fuzz target needs from the fuzzer's bytes; past the end
// every value is 0 or empty.
class FuzzInput {
public:
    FuzzInput(const std::uint8_t* data, std::size_t size) : m_pData(data), m_nLeft(size) {}

    std::uint8_t Byte() {
        if (!m_nLeft) return 0;
        --m_nLeft;
        return *m_pData++;
    }
    std::uint32_t Word() {
        std::uint32_t value = 0;
        for (int i = 0; i < 4; ++i) value |= static_cast<std::uint32_t>(Byte()) << (8 * i);
        return value;
    }
    // A setting's value: mostly small numbers either side of 0, sometimes any
    // 32-bit value (the extremes included).
    int Setting() {
        const std::uint8_t kind = Byte();
        if (kind < 200) return static_cast<int>(kind) - 100;
        if (kind < 240) return static_cast<int>(Word() % 2001) - 1000;
        return static_cast<int>(Word());
    }
    // A string of up to `longest` bytes, its length taken first.
    std::string Text(std::size_t longest) {
        std::size_t length = (static_cast<std::size_t>(Byte()) << 8 | Byte()) % (longest + 1);
        if (length > m_nLeft) length = m_nLeft;
        std::string text(reinterpret_cast<const char*>(m_pData), length);
        m_pData += length;
        m_nLeft -= length;
        return text;
    }
    std::string Rest() { return Text(m_nLeft); }
    std::size_t Left() const { return m_nLeft; }

private:
    const std::uint8_t* m_pData;
    std::size_t m_nLeft;
};

// A folder of this fuzzing process's own for the files a target reads.
inline const std::string& FuzzFolder() {
    static const std::string folder = [] {
        const char* tmp = std::getenv("TMPDIR");
        std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/emberlux-fuzz-XXXXXX";
        return std::string(mkdtemp(&pattern[0]) ? pattern : "/tmp") + "/";
    }();
    return folder;
}

// Writes `bytes` to `name` in the fuzz folder and returns its path.
inline std::string FuzzFile(const std::string& name, const std::uint8_t* bytes, std::size_t size) {
    const std::string path = FuzzFolder() + name;
    std::ofstream(path, std::ios::binary | std::ios::trunc).write(reinterpret_cast<const char*>(bytes),
                                                                  static_cast<std::streamsize>(size));
    return path;
}
