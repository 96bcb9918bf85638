#pragma once

// Runs the configuration dialog modally (no switch, or /c).
void RunConfiguration();
