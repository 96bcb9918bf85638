#include "platform/DisplaySize.h"

#include <windows.h>

DisplaySize GetDisplaySize() { return DisplaySize{GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}; }
