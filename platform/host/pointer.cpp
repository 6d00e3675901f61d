// Cursors are SDL's.
#include "host/pointer.h"

#include <SDL.h>

HostCursor* HostCursorNew(const uint8_t* data, const uint8_t* mask, int width, int height, int hotX,
                          int hotY) {
  return reinterpret_cast<HostCursor*>(SDL_CreateCursor(data, mask, width, height, hotX, hotY));
}

void HostCursorShow(HostCursor* cursor) {
  SDL_SetCursor(cursor != nullptr ? reinterpret_cast<SDL_Cursor*>(cursor) : SDL_GetDefaultCursor());
}
