// Inside the platform only: what the shell's parts (the task bar, menu bars, dialogs made
// Pocket PC ones) and tests need of each other.
#pragma once

#include "platform/windef.h"

// The task bar's window class.
constexpr LPCWSTR TaskBarClass = u"HHTaskBar";

// Whether the shell was started (EmulatorStartShell).
bool ShellStarted();
// What the windows ask of the shell (platform/wiring.cpp); while the shell is not started,
// each answers as if there were none. The screen below the task bar, or the whole screen.
RECT ShellWorkArea();
// The active window changed: the task bar shows its title.
void ShellActiveWindowChanged();
// A key pressed before the active window hears of it: true for one that pressed a soft key
// of the window's menu bar, which the window then never gets.
bool ShellTakeSoftKey(HWND active, int virtualKey);
// The rotate key: the screen turns, the bars are laid out again, and every top-level
// window hears of it (WM_SETTINGCHANGE with SETTINGCHANGE_RESET).
void ShellScreenTurned();

// Menu bars (menubar.cpp): the one a window owns, or null; laying them out again along
// the bottom of the screen; closing an open popup menu.
HWND ShellMenuBarOf(HWND owner);
void ShellLayOutMenuBars();
void ShellClosePopupMenu();
// Dialogs (shell_dialog.cpp): fitting one to the screen below the task bar, and those
// fitted again after the screen turned.
void FitDialogToScreen(HWND dialog);
void ShellLayOutDialogs();

// For tests: where a popup menu's item lies, in screen coordinates; empty when there is
// none.
RECT ShellPopupMenuItem(HWND popup, int index);
