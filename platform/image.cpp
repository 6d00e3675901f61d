// Image files decoded into bitmaps.
#include <SDL_image.h>

#include "platform/aygshell.h"
#include "platform/gdi.h"
#include "platform/hostpath.h"

HBITMAP SHLoadImageFile(LPCWSTR fileName) {
  if (fileName == nullptr) return nullptr;
  return NewBitmap(IMG_Load(HostPath(fileName).c_str()));
}
