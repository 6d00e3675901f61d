// Inside the platform only: the loop a popup menu, an open list, a message box or a dialog
// runs while it waits for the user, the rest of the program going on beneath it.
#pragma once

#include "platform/winuser.h"

// Takes message after message from the queue until `over` says so after one. `take` sees
// each first and returns whether it took it (or dropped it); the others are dispatched.
// WM_QUIT ends the loop and is posted again, so the program's own loop ends on it too. In
// the header, so each caller's loop is plain calls, with nothing called through a pointer
// while it waits.
template <typename Take, typename Over>
void RunModalLoop(Take take, Over over) {
  do {
    MSG msg;
    if (!GetMessageW(&msg, nullptr, 0, 0)) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      return;
    }
    if (!take(msg)) DispatchMessageW(&msg);
  } while (!over());
}
