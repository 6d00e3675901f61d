// Inside the platform only: the shell's start and its task bar (shell.cpp), which the
// turn of the screen starts again.
#pragma once

#include "platform/windef.h"
#include "shell/task_bar.h"

// Whether the shell was started (EmulatorStartShell).
bool ShellStarted();
// What the windows ask of the shell (platform/wiring.cpp); while the shell is not started,
// each answers as if there were none. The screen below the task bar, or the whole screen.
RECT ShellWorkArea();
// The active window changed: the task bar shows its title.
void ShellActiveWindowChanged();
// The rotate key: the screen turns, the bars are laid out again, and every top-level
// window hears of it (WM_SETTINGCHANGE with SETTINGCHANGE_RESET).
void ShellScreenTurned();
