// Windows that record the messages they get and draw what a test asks in their paints; a
// way to act while a platform window runs its own loop; and the shell started with such a window.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <utility>
#include <vector>

#include "platform/winuser.h"

struct Received {
  HWND window;
  UINT message;
  WPARAM wParam;
  LPARAM lParam, extraInfo;  // extraInfo: GetMessageExtraInfo while the message was handled
};
extern std::vector<Received> ReceivedMessages;

// Draws inside every paint of a recording window, between BeginPaint and EndPaint.
extern std::function<void(HDC dc, const PAINTSTRUCT& paint)> Painter;
// Runs once, after the next paint of a recording window: the way to act while a menu, a
// dialog or a message box waits in its own loop. Then() also invalidates `owner` for it.
extern std::function<void()> OnNextPaint;
void Then(std::function<void()> next);

// A window erased in white, in the default place (below the task bar) unless one is given.
HWND CreateRecordingWindow(HWND owner = nullptr, DWORD style = WS_VISIBLE, int x = CW_USEDEFAULT,
                           int y = CW_USEDEFAULT, int width = CW_USEDEFAULT, int height = CW_USEDEFAULT);
// The messages of one kind a window got; their wParams (the commands, the keys).
std::vector<Received> ReceivedOf(HWND window, UINT message);
std::vector<WPARAM> WParamsOf(HWND window, UINT message);
// Handles every waiting message without waiting; the quit message is taken and dropped.
void PumpMessages();
// Destroys every window, the shell's too, and empties the queue.
void CloseEverything();
RECT WindowRect(HWND window);
// A control's rectangle in its dialog's client area.
RECT Placed(HWND dialog, int id);
void TapMiddle(const RECT& r);
// The screen's pixels in an area, row by row.
std::vector<COLORREF> ScreenPixels(const RECT& area);
bool Same(const RECT& a, const RECT& b);

// The shell on a 240 x 320 screen, and a recording window `owner` below its task bar.
extern HWND owner;
struct ShellTest : testing::Test {
  void SetUp() override;
  void TearDown() override { CloseEverything(); }
};
