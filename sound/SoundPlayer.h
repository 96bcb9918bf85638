#pragma once
#include <atomic>

// Set when no sound may be made: the preview, or the configuration's Mute box.
extern std::atomic<int> g_bMute;

// Plays the looping background crackle and the explosions of the fireworks.
class CSoundPlayer {
public:
    // Prepares the sounds; 0 when no audio device can be used.
    int Init(int explosionsOn);
    int StartBackground();
    int StopBackground();
    // Plays one of the explosion sounds chosen by the next random draw.
    int PlayExplosion();
};
