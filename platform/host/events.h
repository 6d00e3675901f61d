// The desktop's events, read by the program's thread alone. What concerns only the desktop
// window is served the moment it is read, even while the program sleeps; everything else
// waits, in order, until the program takes it, told in the device's terms.
#pragma once

#include "platform/windef.h"

enum class DesktopInput {
  Other,        // nothing the program needs to hear of
  Tap,          // the left mouse button or a finger went down
  Slide,        // the finger that went down moved
  Lift,         // the finger that went down was lifted
  Key,          // a key went down or up
  CloseButton,  // the desktop window's close button
  EndRequest,   // a request to end the program (SIGTERM, SIGINT, SIGHUP)
  Call,         // a call handed to the program's thread (DesktopCallOnProgramThread)
};

struct DesktopEvent {
  DesktopInput kind;
  DWORD time;  // milliseconds, as DesktopTicks counts them
  // Tap, Slide, Lift: the device pixel under it, by the window's layout when it was read (the
  // window may take another size before the program takes the event); onScreen is FALSE on
  // the backdrop, where a finger's point is still given, in device pixels beyond the
  // screen's edge. `finger` tells a finger on a touch screen from the mouse.
  BOOL onScreen;
  POINT device;
  bool finger;
  // Key: the device's virtual key (0 for a key the device has none for), whether it went down
  // (held down, repeated), and the modifier keys held with it.
  int virtualKey;
  bool down, repeat;
  bool control, shift, alt;
  // Call: what runs on the program's thread.
  void (*call)(void* data);
  void* data;
};

// Readies the event queue: the screen is opened, and events no window uses are not
// collected, so they never wake a waiting program; requests to end come as events. False
// when there is no video.
bool DesktopEventsReady();
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
// The program took its last message and ends. The desktop has nothing to do (the end of the
// process closes its window); a web page, whose tab stays, says so there.
void DesktopProgramEnded();
// Milliseconds since the desktop's events started.
DWORD DesktopTicks();
