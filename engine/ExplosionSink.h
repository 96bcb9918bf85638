// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// Where a firework's burst is heard. The sound of a run implements it; an
// engine without one bursts in silence. The engine takes the random draw that
// picks an explosion's sound only when the sink will play it, in the burst,
// so a run that sounds and one that does not each keep their own frames.
class ExplosionSink {
public:
    virtual ~ExplosionSink() = default;
    // Whether a burst now would be heard.
    virtual bool PlaysExplosions() const = 0;
    // Plays the explosion that `draw` picks.
    virtual void PlayExplosion(int draw) = 0;
};
