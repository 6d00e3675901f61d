// The desktop's wait is SDL's own, which sleeps in the system until an event comes.
#include "host/event_wait.h"

bool HostWaitEvent(SDL_Event* event, int milliseconds) {
  return (milliseconds < 0 ? SDL_WaitEvent(event) : SDL_WaitEventTimeout(event, milliseconds)) != 0;
}
