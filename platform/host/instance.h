// Inside the platform only: titled top-level windows made known to the user's other
// processes of the same session, so a second start of the program finds the first.
#pragma once

#include "platform/windef.h"

union SDL_Event;

// Starts and ends listening for the window's class and title.
void InstanceAnnounce(HWND window);
void InstanceWithdraw(HWND window);
// A window of that class and title in another process of this session, as a handle that
// stands for it; null when there is none.
HWND InstanceFind(LPCWSTR className, LPCWSTR title);
// Asks the other process to bring its desktop window to the front.
BOOL InstanceRaise(HWND remote);
// Handles the event by which a listener asks the program's thread to raise the desktop
// window; false for any other event.
bool InstanceHandleEvent(const SDL_Event& event);
