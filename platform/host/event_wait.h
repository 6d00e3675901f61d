// Inside the host only: the wait for the desktop's next event.
#pragma once

#include <SDL.h>

// Takes the next event into `event`, waiting up to `milliseconds` for one (-1: for as long
// as it takes); false when none came (or the events cannot be read).
bool HostWaitEvent(SDL_Event* event, int milliseconds);
