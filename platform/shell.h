// Inside the platform only: the shell's task bar and menu bars, and what windows, input
// and message boxes need of them.
#pragma once

#include "platform/windef.h"

// Whether the shell was started (EmulatorStartShell).
bool ShellStarted();
// The screen below the task bar; the whole screen while the shell is not started.
RECT ShellWorkArea();
// The height of the task bar and of menu bars.
int ShellBarHeight();
// Sizes of the shell's drawing, multiplied for screens of 192 dots per inch.
int ShellScale();
// The task bar shows the active window's title.
void ShellActiveWindowChanged();
// The rotate key: the screen turns, the bars are laid out again, and every top-level
// window hears of it (WM_SETTINGCHANGE with SETTINGCHANGE_RESET).
void ShellScreenTurned();

// Menu bars (menubar.cpp): the one a window owns, or null; laying them out again along
// the bottom of the screen; closing an open popup menu.
HWND ShellMenuBarOf(HWND owner);
void ShellLayOutMenuBars();
void ShellClosePopupMenu();
// Message boxes (msgbox.cpp) are placed again after the screen turned.
void ShellLayOutMessageBoxes();
// Dialogs fitted to the screen (shell_dialog.cpp) are fitted again after it turned.
void ShellLayOutDialogs();

// For tests: where a message box's button (0 the first) or a popup menu's item lies, in
// screen coordinates; empty when there is none.
RECT ShellMessageBoxButton(HWND box, int index);
RECT ShellPopupMenuItem(HWND popup, int index);
