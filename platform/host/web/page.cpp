// The page's shape as the handheld's turn: a phone held upright shows the game upright,
// turned sideways it shows it sideways. A page that changes shape against the screen's
// presses the device's turn key once, and looks again once the screen has turned;
// the player's own turn (F2) stands until the page changes shape.
#include "host/page.h"

#include <SDL.h>
#include <emscripten.h>
#include <emscripten/html5.h>

#include "host/screen.h"
#include "host/signals.h"

namespace {

bool turnPressed = false;  // the turn key was pressed and the screen has not turned yet

bool ScreenLandscape() {
  const SIZE size = ScreenSize();
  return size.cx > size.cy;
}

void PressTurnKey() {
  turnPressed = true;
  SDL_Event event{};
  event.key.type = SDL_KEYDOWN;
  event.key.state = SDL_PRESSED;
  event.key.keysym.sym = SDLK_F2;
  event.key.keysym.scancode = SDL_SCANCODE_F2;
  event.key.timestamp = SDL_GetTicks();
  SDL_PushEvent(&event);
  event.key.type = SDL_KEYUP;
  event.key.state = SDL_RELEASED;
  SDL_PushEvent(&event);
}

void LookAtShape() {
  if (!turnPressed && PageLandscape() != ScreenLandscape()) PressTurnKey();
}

EM_BOOL OnResize(int, const EmscriptenUiEvent*, void*) {
  LookAtShape();
  return EM_FALSE;
}

}  // namespace

bool PageLandscape() {
  return EM_ASM_INT({ return window.innerWidth > window.innerHeight ? 1 : 0; }) != 0;
}

void PageScreenTurned() {
  // A turn of the player's own (F2) stands until the page changes shape again.
  if (!turnPressed) return;
  turnPressed = false;
  LookAtShape();
}

// Nothing on a page asks the program to end: a hidden or closed tab leaves it where it is,
// its game saved after every move.
void WatchDesktop() {
  emscripten_set_resize_callback(EMSCRIPTEN_EVENT_TARGET_WINDOW, nullptr, EM_FALSE, OnResize);
}
