#pragma once
#include <string>

// The folder of the running program file, ending in a path separator.
std::string GetProgramDirectory();
