// The page's shape chooses the handheld's screen: a phone held upright shows an upright
// screen, the taller one where the page is tall enough, turned sideways a sideways one. A
// page whose best screen changes presses the device's turn key once and looks again once
// the screen has turned; the player's own turn (F2) stands until the page changes shape.
#include "host/page.h"

#include <SDL.h>
#include <emscripten.h>
#include <emscripten/html5.h>

#include "host/program.h"
#include "host/screen.h"
#include "host/signals.h"

namespace {

// The screens the web version's data has pictures for.
constexpr int Screens[] = {480, 640, 480, 800, 640, 480, 800, 480};

bool turnPressed = false;  // the turn key was pressed and the screen has not turned yet
bool looked = false;
SIZE chosen{0, 0};  // the page's best screen when it last looked

bool Same(SIZE a, SIZE b) { return a.cx == b.cx && a.cy == b.cy; }

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

// A change of the page's best screen turns the screen to it; a page that changes size but
// keeps its best screen only shows the screen at another size, which the page does itself.
void LookAtShape() {
  if (turnPressed) return;
  const SIZE best = PageScreen();
  if (Same(best, chosen)) return;
  chosen = best;
  if (!Same(best, ScreenSize())) PressTurnKey();
}

EM_BOOL OnResize(int, const EmscriptenUiEvent*, void*) {
  LookAtShape();
  return EM_FALSE;
}

}  // namespace

SIZE PageScreen() {
  int choices[8];
  int count = 0;
  const char* asked = HostProgramVariable("SCREEN");
  if (asked != nullptr) {
    const SIZE size = ScreenAskedSize();
    const int own[4] = {size.cx, size.cy, size.cy, size.cx};
    for (const int side : own) choices[count++] = side;
  } else {
    for (const int side : Screens) choices[count++] = side;
  }
  // The page's script weighs them (index.html); a page without it takes the first.
  const int best = EM_ASM_INT(
      {
        const sizes = Array.from(HEAP32.subarray($0 >> 2, ($0 >> 2) + $1));
        return Module.marlixBestScreen ? Module.marlixBestScreen(sizes) : 0;
      },
      choices, count);
  const int index = best >= 0 && best < count / 2 ? best : 0;
  const SIZE size{choices[2 * index], choices[2 * index + 1]};
  if (!looked) {
    looked = true;
    chosen = size;
  }
  return size;
}

bool PageTakesScreen(SIZE* size) {
  if (!turnPressed) return false;
  *size = chosen;
  return true;
}

void PageScreenTurned() {
  // A turn of the player's own (F2) stands until the page's best screen changes.
  if (!turnPressed) return;
  turnPressed = false;
  LookAtShape();
}

// Nothing on a page asks the program to end: a hidden or closed tab leaves it where it is,
// its game saved after every move.
void WatchDesktop() {
  emscripten_set_resize_callback(EMSCRIPTEN_EVENT_TARGET_WINDOW, nullptr, EM_FALSE, OnResize);
}
