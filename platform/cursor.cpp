// The cursor: the device shows one only while a program waits; the desktop keeps its
// arrow otherwise. The wait cursor is an hourglass of the platform's own, drawn from the
// picture below: a theme's cursor costs milliseconds to look up, and the program waits
// only for as long as its start-up takes.
#include <SDL.h>

#include "host/screen.h"
#include "platform/winuser.h"

struct HCURSOR__ {
  bool wait;
  SDL_Cursor* cursor;
};

namespace {

// '#' black, '.' white, ' ' clear.
constexpr const char* Hourglass[16] = {
    "################",  //
    "#..............#",  //
    " #............# ",  //
    " #............# ",  //
    "  #..........#  ",  //
    "   #........#   ",  //
    "    #..##..#    ",  //
    "     #.##.#     ",  //
    "     #.##.#     ",  //
    "    #..##..#    ",  //
    "   #...##...#   ",  //
    "  #....##....#  ",  //
    " #....####....# ",  //
    " #...######...# ",  //
    "#..............#",  //
    "################",  //
};

HCURSOR__ waitCursor{true, nullptr};
HCURSOR__ arrowCursor{false, nullptr};
HCURSOR current = nullptr;

SDL_Cursor* MakeHourglass() {
  Uint8 data[32] = {}, mask[32] = {};
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x) {
      const char c = Hourglass[y][x];
      const Uint8 bit = static_cast<Uint8>(0x80 >> (x % 8));
      if (c == '#') data[y * 2 + x / 8] |= bit;
      if (c != ' ') mask[y * 2 + x / 8] |= bit;
    }
  return SDL_CreateCursor(data, mask, 16, 16, 7, 7);
}

}  // namespace

HCURSOR LoadCursorW(HINSTANCE instance, LPCWSTR name) {
  if (instance != nullptr) return nullptr;
  if (name == IDC_WAIT) return &waitCursor;
  if (name == IDC_ARROW) return &arrowCursor;
  return nullptr;
}

HCURSOR SetCursor(HCURSOR cursor) {
  const HCURSOR previous = current;
  current = cursor;
  if (ScreenDesktopWindow() == nullptr) return previous;
  if (cursor == nullptr || !cursor->wait) {
    SDL_SetCursor(SDL_GetDefaultCursor());
    return previous;
  }
  if (cursor->cursor == nullptr) cursor->cursor = MakeHourglass();
  if (cursor->cursor != nullptr) SDL_SetCursor(cursor->cursor);
  return previous;
}
