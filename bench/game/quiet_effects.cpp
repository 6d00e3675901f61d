// The game core's outward calls with nothing behind them: no drawing, no sound, and No to
// the end-of-game question. Pauses are the platform's, switched off.
#include <cstdint>

#include "game/effects.h"

int32_t Sound = 0;
char16_t BoxSoundPath[260];
char16_t WinSoundPath[260];
char16_t LoseSoundPath[260];

void DrawCell(int) {}
void InvalidateUserScore() {}
void InvalidateComputerScore() {}
void PlayEffect(const char16_t*) {}
void PlayEffectOnThread(const char16_t*) {}
int AskYesNo(const char16_t*) { return 0; }
void InvalidateMainWindow() {}
