// The program as the tests run it: started through its own start-up on the headless
// screen with the shell, its sounds recorded, its questions answered by the test.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/windef.h"

struct Question {
  HWND owner;
  std::u16string text;
  std::u16string caption;
  UINT type;
};

class ProgramTest : public testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  // InitInstance on the program's module; false when it ended the program.
  bool Start();
  // Closes the window as the program would end, and starts again.
  bool Restart();
  // Handles every message waiting, as the program's loop would, without waiting.
  void Pump();

  HINSTANCE instance = nullptr;
  std::string configRoot;
  std::string registryFile;
  bool quitSeen = false;
  WPARAM quitCode = 0;
};

// Questions asked so far, and the answer the next ones get (IDYES or IDNO).
extern std::vector<Question> Questions;
extern int Answer;

// A tap at the middle of a cell, sent to the main window; a tap at a client point.
void TapCell(int cell);
void TapAt(int x, int y);
int LinesDrawn();
// A line whose boxes have no side yet.
int QuietLine();
