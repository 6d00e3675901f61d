// Everything the game core calls outside itself. Each operation is defined by the part of
// the program that owns it; a program that runs the game without some of those parts links
// the stand-ins in stand_ins/ in their place.
#pragma once

#include <cstdint>

// Drawing and score fields (view/).
void DrawCell(int cell);
void InvalidateUserScore();
void InvalidateComputerScore();

// Sounds (sound/), gated on the Sound setting (settings/) by the caller.
extern int32_t Sound;
extern char16_t BoxSoundPath[260];
extern char16_t WinSoundPath[260];
extern char16_t LoseSoundPath[260];
void PlayEffect(const char16_t* path);
void PlayEffectOnThread(const char16_t* path);

// The main window (app/): the end-of-game question with Yes and No over the main window,
// 1 for Yes; and a repaint of the whole window without erasing.
int AskYesNo(const char16_t* question);
void InvalidateMainWindow();

// The calling thread sleeps (platform/).
void Sleep(uint32_t milliseconds);

// The handheld's C library generator, the only chance in the game (platform/): its rand and
// srand, kept apart from the desktop's C library and every other library in the process.
namespace handheld {
int rand();
void srand(unsigned int seed);
}  // namespace handheld
