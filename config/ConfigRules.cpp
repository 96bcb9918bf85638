// Rules of the configuration pages that need no window; see ConfigRules.h.
#include "config/ConfigRules.h"
