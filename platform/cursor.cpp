// The cursor: the device shows one only while a program waits; the desktop keeps its
// arrow otherwise.
#include <SDL.h>

#include "platform/screen.h"
#include "platform/winuser.h"

struct HCURSOR__ {
  SDL_SystemCursor shape;
  SDL_Cursor* cursor;
};

namespace {
HCURSOR__ waitCursor{SDL_SYSTEM_CURSOR_WAIT, nullptr};
HCURSOR__ arrowCursor{SDL_SYSTEM_CURSOR_ARROW, nullptr};
HCURSOR current = nullptr;
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
  if (cursor == nullptr) {
    SDL_SetCursor(SDL_GetDefaultCursor());
    return previous;
  }
  if (cursor->cursor == nullptr) cursor->cursor = SDL_CreateSystemCursor(cursor->shape);
  if (cursor->cursor != nullptr) SDL_SetCursor(cursor->cursor);
  return previous;
}
