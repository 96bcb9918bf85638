#include "platform/DisplaySize.h"

DisplaySize GetDisplaySize() { return DisplaySize{640, 480}; }
