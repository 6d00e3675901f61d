// The desktop's wait is SDL's own, which sleeps in the system until an event comes; and
// the program's end, which the end of its process shows.
#include "host/event_wait.h"

#include "host/events.h"

bool HostWaitEvent(SDL_Event* event, int milliseconds) {
  return (milliseconds < 0 ? SDL_WaitEvent(event) : SDL_WaitEventTimeout(event, milliseconds)) != 0;
}

void DesktopProgramEnded() {}
