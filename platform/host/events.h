// Inside the platform only: the desktop's events, read by the program's thread alone. What
// concerns only the desktop window is served the moment it is read, even while the program
// sleeps; everything else waits, in order, until the program takes it.
#pragma once

#include <SDL_events.h>

#include "platform/windef.h"

struct DesktopEvent {
  SDL_Event event;
  // For a mouse button or a finger: the device pixel under it, by the window's layout when
  // it was read (the window may take another size before the program takes the event).
  BOOL onScreen;
  POINT device;
};

// The next event for the program, waiting for one when `wait`; false when there is none
// (or, waiting, when the desktop's events cannot be read).
bool DesktopNextEvent(DesktopEvent* event, bool wait);
// Waits the given time while serving the desktop: the window is drawn again when uncovered
// or resized, goes fullscreen on F11, the window manager's pings are answered; every other
// event is kept for the program. On any thread but the program's it only waits.
void DesktopServeWhile(DWORD milliseconds);
// Runs `call` on the program's thread when the program next takes its events, from any
// thread; false when it cannot be queued.
bool DesktopCallOnProgramThread(void (*call)(void* data), void* data);
// Whether the event is such a call; it is then run.
bool DesktopRunCall(const SDL_Event& event);
