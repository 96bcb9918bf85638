#include "sound/SoundPlayer.h"

std::atomic<int> g_bMute{0};

// No audio device is wired in yet: the engine runs silent.
int CSoundPlayer::Init(int) { return 0; }
int CSoundPlayer::StartBackground() { return 0; }
int CSoundPlayer::StopBackground() { return 1; }
int CSoundPlayer::PlayExplosion() { return 1; }
