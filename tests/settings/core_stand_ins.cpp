// Silent stand-ins for what the game core calls outward, which saving and loading never
// need: no drawing, no sounds, no questions.
#include "game/effects.h"

void DrawCell(int) {}
void InvalidateUserScore() {}
void InvalidateComputerScore() {}
int AskYesNo(const char16_t*) { return 0; }
void InvalidateMainWindow() {}
char16_t BoxSoundPath[260];
char16_t WinSoundPath[260];
char16_t LoseSoundPath[260];
void PlayEffect(const char16_t*) {}
void PlayEffectOnThread(const char16_t*) {}
