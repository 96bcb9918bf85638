// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include "engine/CrtRandom.h"
#include "engine/FirePasses.h"
#include "engine/RandomTable.h"
#include "platform/NonCopyable.h"

#include <cstdint>

// What the engines of one run share: the C runtime generator and the random
// table filled from it, the passes they run, and three counters that carry
// over from one engine to the next as they step in turn. A run (or the
// configuration sheet, or a test) owns one and hands it to every engine it
// makes, so one seed gives the same frames on one monitor or several, and
// engines that never meet share nothing. Its engines step one at a time.
struct SharedEngineState : private NonCopyable {
    // Seeds the generator and fills the table from it, as a process start does.
    explicit SharedEngineState(std::uint32_t seed) { crt.Seed(seed); random.Fill(crt); }

    CrtRandom crt;
    RandomTable random;
    const FirePasses* passes = &BestFirePasses();
    int subFrame = 0;                 // the bottom source's frames since its last new target row
    int pendingSwitchOff = 0;         // the paper burn ended: the next engine to step switches its desktop off
    long long lineSwitchCounter = 0;  // frames counted towards the flaming text's next line
};
