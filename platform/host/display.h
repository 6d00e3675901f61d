// The connection to the desktop's display, made once by the program's thread, and what
// happens when it cannot be made or is lost.
#pragma once

// Starts the video system; false when there is no display (the reason is kept for
// DisplayProblem). Later calls answer from the first.
bool DisplayOpen();
// One line for the terminal: what was missing and what to set; empty while nothing failed.
const char* DisplayProblem();
// Whether the calling thread is the one that opened the display: the only thread that
// reads the desktop's events and draws on it.
bool DisplayOnProgramThread();

// The connection to an X display can break (the server ended, the session closed). The
// program then ends with status 1 after one line on standard error; just before, on the
// program's thread, the layers above hear of it (HostAbove.displayLost) so that they can save
// what they hold, and handlers registered with at_quick_exit run after it. Nothing is drawn
// any more by then.
bool DisplayLost();
