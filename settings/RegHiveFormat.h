// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include "settings/MemoryRegistry.h"

#include <string>

// The text form of a registry tree, as the Windows Registry Editor exports
// it: a "REGEDIT4" header, one [full key path] section per key, and value
// lines "Name"="text" (with \\ and \" escapes), "Name"=dword:0000002a or
// "Name"=hex(N):bytes for anything else (strings with line breaks included).
std::string SerializeHive(const MemoryRegistry::Key& root, const std::string& rootPath);

// Reads the text form into `root`; sections outside `rootPath` are skipped.
// Returns false with the line number and reason in `error` when the text is
// not a hive.
bool ParseHive(const std::string& text, const std::string& rootPath, MemoryRegistry::Key& root, std::string& error);
