// Silent stand-ins for what the game core calls in the sound, settings and main window
// parts, for tests of the board drawing that play moves.
#include <cstdint>

#include "game/effects.h"

int32_t Sound = 0;
int32_t Skin = 0;
char16_t BoxSoundPath[260];
char16_t WinSoundPath[260];
char16_t LoseSoundPath[260];

void PlayEffect(const char16_t*) {}
void PlayEffectOnThread(const char16_t*) {}
int AskYesNo(const char16_t*) { return 0; }
void InvalidateMainWindow() {}
