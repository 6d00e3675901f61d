// Inside the platform only: the calls the windows make into the shell above them, handed
// over once as the program starts (platform/wiring.cpp), each null until then. Each answers
// as if there were no shell until the shell has started (EmulatorStartShell).
#pragma once

#include "platform/windef.h"

struct UserUpcalls {
  // The screen below the task bar, where windows go by default.
  RECT (*workArea)();
  // The active window changed: the task bar shows the new one's title.
  void (*activeWindowChanged)();
  // Every key pressed (a virtual key) before the active window hears of it: true for a key
  // the shell took (its soft keys), which the window then never gets.
  bool (*shellKey)(HWND active, int virtualKey);
  // The rotate key (F2): the screen turns, and the shell lays its bars out again.
  void (*turnKey)();
};
extern UserUpcalls UserAbove;  // defined in window.cpp
