// The program as the tests run it: started through its own start-up on the headless
// screen with the shell, in a session of its own, its sounds recorded and its questions
// answered by the test.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/windef.h"

struct Question {
  HWND owner;
  std::u16string text, caption;
  UINT type;
  bool operator==(const Question&) const = default;
};

// A sound started: its file name, how, and the lines drawn and the screen's colour at
// WatchedPixel at that moment.
struct Play {
  std::u16string name;
  bool onThread;  // PlayEffectOnThread rather than PlayEffect
  int linesDrawn;
  COLORREF pixel;
};

struct ProgramTest : testing::Test {
  static void SetUpTestSuite();
  void SetUp() override;
  void TearDown() override;
  // InitInstance on a screen of that size; false when it ended the program.
  bool Start(int width = 480, int height = 640);
  // Closes the window and forgets its class, as the program's end does.
  void Stop();
  // Handles every message waiting, as the program's loop would, without waiting.
  void Pump();

  HINSTANCE instance = nullptr;
  std::string configRoot, registryFile;
};

extern std::vector<Question> Questions;
extern int Answer;  // IDYES or IDNO, for the questions to come
extern std::vector<Play> Plays;
extern POINT WatchedPixel;

std::vector<std::u16string> PlayedNames();
// A tap at the middle of a cell, or at a client point, sent to the main window.
void TapCell(int cell);
void TapAt(int x, int y);
int LinesDrawn();
// A free line whose boxes have no side yet.
int QuietLine();

// A rectangle or a point of the main window's client area, on the screen; the whole screen.
RECT OnScreen(const RECT& client);
POINT OnScreen(POINT client);
RECT WholeScreen();
// The line cursor's mark over a line: the cell less the hole the line shows through, in
// the skin's cursor colour, white or black. Whether a screen point lies in it; whether a
// colour is one of its colours; whether it shows all round.
bool InMark(int cell, LONG x, LONG y);
bool MarkColour(COLORREF c);
bool MarkShown(int cell);
