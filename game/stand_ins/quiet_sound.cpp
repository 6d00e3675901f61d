// The quiet stand-in for the sounds (sound/): no sound plays.
#include "game/effects.h"

char16_t BoxSoundPath[260];
char16_t WinSoundPath[260];
char16_t LoseSoundPath[260];

void PlayEffect(const char16_t*) {}
void PlayEffectOnThread(const char16_t*) {}
