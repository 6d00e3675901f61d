// The cursor: the device shows one only while a program waits; the desktop keeps its
// arrow otherwise. The wait cursor is an hourglass of the platform's own, drawn from the
// picture below: a theme's cursor costs milliseconds to look up, and the program waits
// only for as long as its start-up takes.
#include <cstdint>

#include "host/pointer.h"
#include "host/screen.h"
#include "platform/winuser.h"

struct HCURSOR__ {
  bool wait;
  HostCursor* cursor;
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

HostCursor* MakeHourglass() {
  uint8_t data[32] = {}, mask[32] = {};
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x) {
      const char c = Hourglass[y][x];
      const uint8_t bit = static_cast<uint8_t>(0x80 >> (x % 8));
      if (c == '#') data[y * 2 + x / 8] |= bit;
      if (c != ' ') mask[y * 2 + x / 8] |= bit;
    }
  return HostCursorNew(data, mask, 16, 16, 7, 7);
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
  if (!ScreenDesktopReady()) return previous;
  if (cursor == nullptr || !cursor->wait) {
    HostCursorShow(nullptr);
    return previous;
  }
  if (cursor->cursor == nullptr) cursor->cursor = MakeHourglass();
  if (cursor->cursor != nullptr) HostCursorShow(cursor->cursor);
  return previous;
}
