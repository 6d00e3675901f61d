// Windows that record the messages they get, for tests of the message queue, the shell and
// message boxes; and a way to act while a platform window runs its own loop.
#pragma once

#include <functional>
#include <vector>

#include "platform/winuser.h"

struct Received {
  HWND window;
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
};
extern std::vector<Received> ReceivedMessages;

// Runs once, inside the next paint of a recording window: the way to act while a menu or
// a message box waits in its own loop (the test invalidates the window first).
extern std::function<void()> OnNextPaint;

// A top-level window in the default place (below the task bar), recording its messages.
HWND CreateRecordingWindow(HWND owner = nullptr, LPCWSTR title = u"Recorder");
// The messages of one kind a window got.
std::vector<Received> ReceivedOf(HWND window, UINT message);
// Handles every waiting message without waiting; the quit message is taken and dropped.
void PumpMessages();
// Destroys every window, the shell's too, and empties the queue.
void CloseEverything();
// The middle of a rectangle.
POINT Middle(const RECT& r);
