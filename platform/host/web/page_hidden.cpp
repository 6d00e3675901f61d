// A page hidden or left: the browser may stop it at any moment after, so the program is told
// at once, inside the page's event, while it waits for its next message or sleeps in a
// pause. Both events are heard: a page being left is hidden first where the browser says so,
// but a page put into the back-forward cache or closed on a phone may only say pagehide.
#include <emscripten.h>

#include "platform/emulator.h"

namespace {

void (*hook)() = nullptr;

void Hidden() {
  if (hook != nullptr) hook();
}

// clang-format off
// (`hidden` is the function's place in the program's table, as the page calls it.)
EM_JS(void, WatchPageHidden, (void* hidden), {
  const tell = () => dynCall('v', hidden, []);
  document.addEventListener('visibilitychange', () => {
    if (document.visibilityState === 'hidden') tell();
  });
  window.addEventListener('pagehide', tell);
});
// clang-format on

}  // namespace

void EmulatorSetPageHiddenHook(void (*hidden)()) {
  static bool watching = false;
  hook = hidden;
  if (watching) return;
  watching = true;
  WatchPageHidden(reinterpret_cast<void*>(Hidden));
}
