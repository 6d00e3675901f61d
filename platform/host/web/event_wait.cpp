// The page's wait: SDL's own polls every millisecond on the web, so the program instead
// gives the page its thread back until SDL queues an event (a watch on its queue wakes it)
// or the time is up. An idle page costs nothing meanwhile. The program's end leaves the
// tab open: the page is told, to say so.
#include "host/event_wait.h"

#include <emscripten.h>

#include "host/events.h"

namespace {

// The page's own script, as the browser reads it.
// clang-format off
EM_JS(void, WakeWait, (), {
  const wake = Module.marlixWake;
  Module.marlixWake = null;
  if (wake) wake();
});

EM_ASYNC_JS(void, AwaitWake, (int milliseconds), {
  await new Promise((resolve) => {
    Module.marlixWake = resolve;
    if (milliseconds >= 0) setTimeout(resolve, milliseconds);
  });
  Module.marlixWake = null;
});

EM_JS(void, TellPageEnded, (), {
  if (Module.marlixEnded) Module.marlixEnded();
});
// clang-format on

int WakeOnEvent(void*, SDL_Event*) {
  WakeWait();
  return 1;
}

}  // namespace

bool HostWaitEvent(SDL_Event* event, int milliseconds) {
  static const bool watching = [] {
    SDL_AddEventWatch(WakeOnEvent, nullptr);
    return true;
  }();
  (void)watching;
  const double end = emscripten_get_now() + milliseconds;
  for (;;) {
    // Nothing else runs on the page's thread between the look at the queue and the wait.
    if (SDL_PollEvent(event) != 0) return true;
    if (milliseconds < 0) {
      AwaitWake(-1);
      continue;
    }
    const double left = end - emscripten_get_now();
    if (left <= 0) return false;
    AwaitWake(static_cast<int>(left + 0.999));
  }
}

void DesktopProgramEnded() { TellPageEnded(); }
