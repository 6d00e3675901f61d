// A recorder in place of the sound effects: which sound played, how, and what the game
// and the screen looked like at that moment.
#pragma once

#include <string>
#include <vector>

#include "platform/windef.h"

struct Play {
  bool onThread;  // PlayEffectOnThread rather than PlayEffect
  std::u16string path;
  int linesDrawn;  // lines on the board when the sound started
  COLORREF pixel;  // the screen at WatchedPixel when the sound started
};

extern std::vector<Play> Plays;
// A point of the device screen whose colour each play notes.
extern POINT WatchedPixel;

// The sounds' file names without the folder, in the order played.
std::vector<std::u16string> PlayedNames();
