// Pictures as SDL surfaces, decoded by SDL and SDL_image.
#include "host/image.h"

#include <SDL_image.h>

#include <cstring>

#include "host/surface.h"

namespace {

SDL_Rect Rect(const RECT& r) { return SDL_Rect{r.left, r.top, r.right - r.left, r.bottom - r.top}; }

Uint32 Map(const SDL_Surface* surface, COLORREF colour) {
  return SDL_MapRGB(surface->format, GetRValue(colour), GetGValue(colour), GetBValue(colour));
}

}  // namespace

HostImage* HostImageNew(int width, int height) {
  SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, DeviceFormat);
  if (surface != nullptr) SDL_FillRect(surface, nullptr, SDL_MapRGB(surface->format, 0, 0, 0));
  return Image(surface);
}

HostImage* HostImageDecode(const void* bytes, size_t size) {
  return Image(IMG_Load_RW(SDL_RWFromConstMem(bytes, static_cast<int>(size)), 1));
}

HostImage* HostImageDecodeBmp(const void* bytes, size_t size) {
  return Image(SDL_LoadBMP_RW(SDL_RWFromConstMem(bytes, static_cast<int>(size)), 1));
}

HostImage* HostImageInDeviceFormat(HostImage* image) {
  SDL_Surface* surface = Surface(image);
  if (surface == nullptr || surface->format->format == DeviceFormat) return image;
  SDL_Surface* converted = SDL_ConvertSurfaceFormat(surface, DeviceFormat, 0);
  SDL_FreeSurface(surface);
  return Image(converted);
}

HostImage* HostImageShare(HostImage* image) {
  ++Surface(image)->refcount;
  return image;
}

bool HostImageShared(const HostImage* image) { return Surface(image)->refcount > 1; }

HostImage* HostImageCopy(const HostImage* image) {
  return Image(SDL_DuplicateSurface(const_cast<SDL_Surface*>(Surface(image))));
}

void HostImageFree(HostImage* image) { SDL_FreeSurface(Surface(image)); }

SIZE HostImageSize(const HostImage* image) { return SIZE{Surface(image)->w, Surface(image)->h}; }

void HostImageFill(HostImage* image, const RECT& area, COLORREF colour) {
  SDL_Surface* surface = Surface(image);
  const SDL_Rect fill = Rect(area);
  SDL_FillRect(surface, &fill, Map(surface, colour));
}

void HostImageCopyRect(HostImage* to, const RECT& area, const HostImage* from, POINT source) {
  SDL_Surface* out = Surface(to);
  const SDL_Surface* in = Surface(from);
  const LONG dx = area.left - source.x, dy = area.top - source.y;
  const size_t rowBytes = static_cast<size_t>(area.right - area.left) * 4;
  const int rows = area.bottom - area.top;
  // A copy within one picture downwards runs bottom-up, so no row is read after it was written.
  const bool bottomUp = in == out && dy > 0;
  for (int i = 0; i < rows; ++i) {
    const int row = bottomUp ? rows - 1 - i : i;
    const int destY = area.top + row;
    Uint8* into = static_cast<Uint8*>(out->pixels) + destY * out->pitch + area.left * 4;
    const Uint8* taken =
        static_cast<const Uint8*>(in->pixels) + (destY - dy) * in->pitch + (area.left - dx) * 4;
    std::memmove(into, taken, rowBytes);
  }
}

COLORREF HostImagePixel(const HostImage* image, int x, int y) {
  const SDL_Surface* surface = Surface(image);
  const Uint32 pixel = static_cast<const Uint32*>(surface->pixels)[y * surface->pitch / 4 + x];
  Uint8 r, g, b;
  SDL_GetRGB(pixel, surface->format, &r, &g, &b);
  return RGB(r, g, b);
}

void HostImageSetPixel(HostImage* image, int x, int y, COLORREF colour) {
  SDL_Surface* surface = Surface(image);
  static_cast<Uint32*>(surface->pixels)[y * surface->pitch / 4 + x] = Map(surface, colour);
}

void HostImageDraw(HostImage* to, POINT at, const HostImage* picture, const RECT& clip) {
  SDL_Surface* surface = Surface(to);
  SDL_Surface* source = const_cast<SDL_Surface*>(Surface(picture));
  SDL_Rect clipRect = Rect(clip);
  SDL_SetClipRect(surface, &clipRect);
  SDL_Rect place{at.x, at.y, source->w, source->h};
  SDL_BlitSurface(source, nullptr, surface, &place);
  SDL_SetClipRect(surface, nullptr);
}
