// What the game calls in the parts that programs drawing boards without the whole program
// (the pictures, the drawing tests and benchmarks) do without: no sound, and No to the
// end-of-game question. The settings are the settings' own, at their defaults.
#include "game/effects.h"

char16_t BoxSoundPath[260];
char16_t WinSoundPath[260];
char16_t LoseSoundPath[260];

void PlayEffect(const char16_t*) {}
void PlayEffectOnThread(const char16_t*) {}
int AskYesNo(const char16_t*) { return 0; }
void InvalidateMainWindow() {}
