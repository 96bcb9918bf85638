// SPDX-License-Identifier: GPL-2.0-or-later
#include "settings/RegHiveFormat.h"

#include <cstdio>
#include <sstream>

namespace {
bool IsPlainString(const RegistryValue& value) {
    if (value.type != RegistryType::String || value.data.empty() || value.data.back() != 0) return false;
    for (std::size_t i = 0; i + 1 < value.data.size(); ++i)
        if (value.data[i] < 0x20 || value.data[i] == 0x7F) return false;
    return true;
}

std::string Quoted(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '\\' || c == '"') out += '\\';
        out += c;
    }
    return out + '"';
}

std::string ValueText(const RegistryValue& value) {
    char buffer[16];
    if (IsPlainString(value)) return Quoted(std::string(value.data.begin(), value.data.end() - 1));
    if (value.type == RegistryType::Dword && value.data.size() == 4) {
        const std::uint32_t dword = value.data[0] | value.data[1] << 8 | value.data[2] << 16 |
                                    static_cast<std::uint32_t>(value.data[3]) << 24;
        std::snprintf(buffer, sizeof buffer, "dword:%08x", static_cast<unsigned>(dword));
        return buffer;
    }
    std::string out;
    if (value.type == RegistryType::Binary) {
        out = "hex:";
    } else {
        std::snprintf(buffer, sizeof buffer, "hex(%x):", static_cast<unsigned>(value.type));
        out = buffer;
    }
    for (std::size_t i = 0; i < value.data.size(); ++i) {
        std::snprintf(buffer, sizeof buffer, i ? ",%02x" : "%02x", value.data[i]);
        out += buffer;
    }
    return out;
}

void WriteKey(std::ostringstream& out, const MemoryRegistry::Key& key, const std::string& path) {
    out << "\n[" << path << "]\n";
    for (const auto& entry : key.values) out << Quoted(entry.first) << "=" << ValueText(entry.second) << "\n";
    for (const auto& child : key.subkeys) WriteKey(out, *child, path + "\\" + child->name);
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Reads a quoted string at `pos`; on success `pos` is just past its closing quote.
bool ReadQuoted(const std::string& line, std::size_t& pos, std::string& out) {
    if (pos >= line.size() || line[pos] != '"') return false;
    out.clear();
    for (++pos; pos < line.size(); ++pos) {
        if (line[pos] == '"') {
            ++pos;
            return true;
        }
        if (line[pos] == '\\' && pos + 1 < line.size()) ++pos;
        out += line[pos];
    }
    return false;
}

bool ReadHexBytes(const std::string& text, std::vector<std::uint8_t>& bytes) {
    bytes.clear();
    std::size_t pos = 0;
    while (pos < text.size()) {
        while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t')) ++pos;
        if (pos >= text.size()) break;
        if (pos + 1 >= text.size() || HexDigit(text[pos]) < 0 || HexDigit(text[pos + 1]) < 0) return false;
        bytes.push_back(static_cast<std::uint8_t>(HexDigit(text[pos]) * 16 + HexDigit(text[pos + 1])));
        pos += 2;
        while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t')) ++pos;
        if (pos < text.size() && text[pos++] != ',') return false;
    }
    return true;
}

bool ReadValue(const std::string& text, RegistryValue& value) {
    std::size_t pos = 0;
    std::string quoted;
    if (ReadQuoted(text, pos, quoted)) {
        if (text.find_first_not_of(" \t", pos) != std::string::npos) return false;
        value.type = RegistryType::String;
        value.data.assign(quoted.begin(), quoted.end());
        value.data.push_back(0);
        return true;
    }
    if (text.compare(0, 6, "dword:") == 0) {
        const std::string digits = text.substr(6);
        if (digits.empty() || digits.size() > 8) return false;
        std::uint32_t dword = 0;
        for (char c : digits) {
            if (HexDigit(c) < 0) return false;
            dword = dword * 16 + static_cast<std::uint32_t>(HexDigit(c));
        }
        value.type = RegistryType::Dword;
        value.data = {std::uint8_t(dword), std::uint8_t(dword >> 8), std::uint8_t(dword >> 16), std::uint8_t(dword >> 24)};
        return true;
    }
    if (text.compare(0, 4, "hex:") == 0) {
        value.type = RegistryType::Binary;
        return ReadHexBytes(text.substr(4), value.data);
    }
    if (text.compare(0, 4, "hex(") == 0) {
        const std::size_t close = text.find("):");
        if (close == std::string::npos || close == 4 || close > 12) return false;
        std::uint32_t type = 0;
        for (std::size_t i = 4; i < close; ++i) {
            if (HexDigit(text[i]) < 0) return false;
            type = type * 16 + static_cast<std::uint32_t>(HexDigit(text[i]));
        }
        value.type = type;
        return ReadHexBytes(text.substr(close + 2), value.data);
    }
    return false;
}

// The key path below `rootPath` named by a section header, or false when the
// section lies outside the root.
bool RelativePath(const std::string& section, const std::string& rootPath, std::string& relative) {
    if (section.size() < rootPath.size() || !SameRegistryName(section.substr(0, rootPath.size()), rootPath))
        return false;
    if (section.size() == rootPath.size()) {
        relative.clear();
        return true;
    }
    if (section[rootPath.size()] != '\\') return false;
    relative = section.substr(rootPath.size() + 1);
    return true;
}
}  // namespace

std::string SerializeHive(const MemoryRegistry::Key& root, const std::string& rootPath) {
    std::ostringstream out;
    out << "REGEDIT4\n";
    WriteKey(out, root, rootPath);
    return out.str();
}

bool ParseHive(const std::string& text, const std::string& rootPath, MemoryRegistry::Key& root, std::string& error) {
    root = MemoryRegistry::Key();
    std::istringstream in(text);
    std::string line;
    int number = 0;
    bool header = false;
    MemoryRegistry::Key* current = nullptr;
    bool skipping = false;
    auto fail = [&](const char* reason) {
        error = "line " + std::to_string(number) + ": " + reason;
        return false;
    };
    while (std::getline(in, line)) {
        ++number;
        // A value may go on over several lines, each but the last ending in a backslash.
        while (!line.empty() && (line.back() == '\r' || line.back() == ' ')) line.pop_back();
        while (!line.empty() && line.back() == '\\' && line.find('=') != std::string::npos &&
               line.find("=\"") == std::string::npos) {
            std::string next;
            if (!std::getline(in, next)) break;
            ++number;
            while (!next.empty() && (next.back() == '\r' || next.back() == ' ')) next.pop_back();
            line.pop_back();
            line += next.substr(next.find_first_not_of(" \t") == std::string::npos ? next.size()
                                                                                     : next.find_first_not_of(" \t"));
        }
        const std::size_t first = line.find_first_not_of(" \t");
        if (first == std::string::npos || line[first] == ';') continue;
        line = line.substr(first);
        if (!header) {
            if (line != "REGEDIT4") return fail("the file does not start with REGEDIT4");
            header = true;
            continue;
        }
        if (line[0] == '[') {
            if (line.back() != ']' || line.size() < 3 || line[1] == '-') return fail("not a key section");
            std::string relative;
            skipping = !RelativePath(line.substr(1, line.size() - 2), rootPath, relative);
            current = &root;
            if (!skipping)
                for (const std::string& part : SplitKeyPath(relative)) current = &current->FindOrAdd(part);
            continue;
        }
        std::string name;
        std::size_t pos = 0;
        if (line[0] == '@') {
            pos = 1;
        } else if (!ReadQuoted(line, pos, name)) {
            return fail("not a value line");
        }
        if (pos >= line.size() || line[pos] != '=') return fail("a value name without '='");
        RegistryValue value;
        if (!ReadValue(line.substr(pos + 1), value)) return fail("a value that cannot be read");
        if (!current) return fail("a value before the first key");
        if (skipping) continue;
        if (RegistryValue* stored = current->FindValue(name)) *stored = value;
        else current->values.emplace_back(name, value);
    }
    if (!header) return fail("the file does not start with REGEDIT4");
    return true;
}
