// Inside the platform only: what the shell and tests need of the message boxes.
#pragma once

#include "platform/windef.h"

// Places every open box again, after the screen turned.
void LayOutMessageBoxes();
// For tests: where a message box's button (0 the first) lies, in screen coordinates; empty
// when there is none.
RECT MessageBoxButton(HWND box, int index);
