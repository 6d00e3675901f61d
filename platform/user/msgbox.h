// Inside the platform only: what the shell and tests need of the message boxes.
#pragma once

#include <string>

#include "platform/windef.h"

// The help viewer could not show its page (KernelAbove.helpNotShown): a box over the program
// says why and where the page is (help_box.cpp).
void TellHelpNotShown(const std::string& page, const std::string& browser);

// Places every open box again, after the screen turned.
void LayOutMessageBoxes();
// For tests: where a message box's button (0 the first) lies, in screen coordinates; empty
// when there is none.
RECT MessageBoxButton(HWND box, int index);
