// Input as the desktop delivers it, made up for tests: clicks, touches, keys and the close
// button, queued as the desktop's own events behind what waits already.
#include <SDL.h>

#include "host/keys.h"
#include "host/screen.h"
#include "host/screen_window.h"
#include "platform/emulator.h"
#include "platform/winuser.h"

namespace {

Uint32 DesktopWindowId() {
  SDL_Window* desktop = ScreenDesktopWindow();
  return desktop != nullptr ? SDL_GetWindowID(desktop) : 0;
}

void Click(Uint32 id, Sint32 x, Sint32 y) {
  SDL_Event event{};
  event.button.type = SDL_MOUSEBUTTONDOWN;
  event.button.windowID = id;
  event.button.which = 0;
  event.button.button = SDL_BUTTON_LEFT;
  event.button.state = SDL_PRESSED;
  event.button.clicks = 1;
  event.button.x = x;
  event.button.y = y;
  SDL_PushEvent(&event);
  event.button.type = SDL_MOUSEBUTTONUP;
  event.button.state = SDL_RELEASED;
  SDL_PushEvent(&event);
}

// A finger's event at a device pixel, in the window's fractions as SDL gives them, and the
// mouse event SDL copies from it.
void Finger(Uint32 type, int x, int y) {
  const Uint32 id = DesktopWindowId();
  if (id == 0) return;
  const POINT at = ScreenDesktopFromPoint(POINT{x, y});
  int width = 1, height = 1;
  SDL_GetWindowSize(ScreenDesktopWindow(), &width, &height);
  SDL_Event event{};
  event.tfinger.type = type;
  event.tfinger.timestamp = SDL_GetTicks();
  event.tfinger.touchId = 1;
  event.tfinger.fingerId = 1;
  event.tfinger.x = (static_cast<float>(at.x) + 0.5f) / static_cast<float>(width);
  event.tfinger.y = (static_cast<float>(at.y) + 0.5f) / static_cast<float>(height);
  event.tfinger.pressure = type == SDL_FINGERUP ? 0 : 1;
  event.tfinger.windowID = id;
  SDL_PushEvent(&event);
  SDL_Event copy{};
  if (type == SDL_FINGERMOTION) {
    copy.motion.type = SDL_MOUSEMOTION;
    copy.motion.windowID = id;
    copy.motion.which = SDL_TOUCH_MOUSEID;
    copy.motion.state = SDL_BUTTON_LMASK;
    copy.motion.x = at.x;
    copy.motion.y = at.y;
  } else {
    copy.button.type = type == SDL_FINGERDOWN ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
    copy.button.windowID = id;
    copy.button.which = SDL_TOUCH_MOUSEID;
    copy.button.button = SDL_BUTTON_LEFT;
    copy.button.state = type == SDL_FINGERDOWN ? SDL_PRESSED : SDL_RELEASED;
    copy.button.clicks = 1;
    copy.button.x = at.x;
    copy.button.y = at.y;
  }
  SDL_PushEvent(&copy);
}

}  // namespace

void EmulatorTap(int x, int y) {
  const Uint32 id = DesktopWindowId();
  if (id == 0) return;
  const POINT at = ScreenDesktopFromPoint(POINT{x, y});
  Click(id, at.x, at.y);
}

void EmulatorClickDesktop(int x, int y) {
  if (const Uint32 id = DesktopWindowId()) Click(id, x, y);
}

void EmulatorTouch(int x, int y) {
  EmulatorFingerDown(x, y);
  EmulatorFingerUp(x, y);
}

void EmulatorFingerDown(int x, int y) { Finger(SDL_FINGERDOWN, x, y); }

void EmulatorFingerMove(int x, int y) { Finger(SDL_FINGERMOTION, x, y); }

void EmulatorFingerUp(int x, int y) { Finger(SDL_FINGERUP, x, y); }

void EmulatorKey(int virtualKey, BOOL withControl) {
  EmulatorKeyWith(virtualKey, withControl ? FCONTROL : 0);
}

void EmulatorKeyWith(int virtualKey, BYTE modifiers) {
  const Uint32 id = DesktopWindowId();
  if (id == 0) return;
  SDL_Event event{};
  event.key.type = SDL_KEYDOWN;
  event.key.windowID = id;
  event.key.state = SDL_PRESSED;
  event.key.keysym.sym = DesktopKeyOf(virtualKey);
  event.key.keysym.mod = static_cast<Uint16>(((modifiers & FCONTROL) != 0 ? KMOD_LCTRL : 0) |
                                             ((modifiers & FSHIFT) != 0 ? KMOD_LSHIFT : 0) |
                                             ((modifiers & FALT) != 0 ? KMOD_LALT : 0));
  SDL_PushEvent(&event);
  event.key.type = SDL_KEYUP;
  event.key.state = SDL_RELEASED;
  event.key.keysym.mod = KMOD_NONE;  // the modifiers are let go with the key
  SDL_PushEvent(&event);
}

void EmulatorCloseButton() {
  const Uint32 id = DesktopWindowId();
  if (id == 0) return;
  SDL_Event event{};
  event.window.type = SDL_WINDOWEVENT;
  event.window.windowID = id;
  event.window.event = SDL_WINDOWEVENT_CLOSE;
  SDL_PushEvent(&event);
}
