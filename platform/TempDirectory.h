#pragma once
#include <string>

// The user's temporary directory, ending in a path separator.
std::string GetTemporaryDirectory();
