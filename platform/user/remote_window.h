// Inside the platform only: the program's titled top-level window made known to the user's
// other processes in the same desktop session, and such windows of other processes found,
// so a second start of the program finds the first.
#pragma once

#include "platform/windef.h"

// Starts and ends answering for the window's class and title.
void AnnounceWindow(HWND window);
void WithdrawWindow(HWND window);
// A window of that class and title in another process of this session, as a handle that
// stands for it; null when there is none.
HWND FindRemoteWindow(LPCWSTR className, LPCWSTR title);
// Asks the other process to bring its desktop window to the front; FALSE for a handle that
// stands for no other process's window.
BOOL RaiseRemoteWindow(HWND remote);
