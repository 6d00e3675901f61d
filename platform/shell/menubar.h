// Inside the platform only: what the shell's other parts and tests need of the menu bars
// (menubar.cpp).
#pragma once

#include "platform/windef.h"

// The menu bar a window owns, or null.
HWND ShellMenuBarOf(HWND owner);
// Lays the bars out again along the bottom of the screen.
void ShellLayOutMenuBars();
// Closes an open popup menu.
void ShellClosePopupMenu();
// For tests: where a popup menu's item lies, in screen coordinates; empty when there is
// none.
RECT ShellPopupMenuItem(HWND popup, int index);
// What the windows ask of the menu bars (platform/wiring.cpp): whether a key, pressed
// before the active window hears of it, pressed a soft key of the window's menu bar, which
// the window then never gets.
bool ShellTakeSoftKey(HWND active, int virtualKey);
