// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include "settings/RegistryStore.h"

#include <string>

// The platform's own registry backend, placed where a test may scribble: a
// hive file in a fresh folder, or a fresh scratch key of the Windows registry.
RegistryStore::BackendFactory ScratchPlatformRegistry(const std::string& name);
// Removes what ScratchPlatformRegistry made.
void RemoveScratchPlatformRegistry(const std::string& name);
