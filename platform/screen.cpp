// The emulated device screen: its size, the framebuffer holding what it shows, and the
// desktop window that shows it enlarged pixel for pixel.
#include "platform/screen.h"

#include <SDL.h>
#include <SDL_image.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/emulator.h"
#include "platform/gdi.h"
#include "platform/hostpath.h"
#include "platform/wingdi.h"
#include "platform/winuser.h"

namespace {

constexpr Uint32 FramebufferFormat = SDL_PIXELFORMAT_RGB888;

bool configured = false;
SIZE size{480, 640};
int environmentScale = 0;  // MARLIX_PENTRO_SCALE; 0: none given
int scaleSetting = 0;      // 0: the largest factor that fits the desktop
int scale = 1;
bool videoFailed = false;
SDL_Surface* framebuffer = nullptr;
SDL_Window* desktop = nullptr;

void Configure() {
  if (configured) return;
  configured = true;
  int width = 0, height = 0;
  const char* screen = std::getenv("MARLIX_PENTRO_SCREEN");
  if (screen != nullptr && std::sscanf(screen, "%dx%d", &width, &height) == 2 && width > 0 && height > 0 &&
      width <= 4096 && height <= 4096)
    size = SIZE{width, height};
  const char* factor = std::getenv("MARLIX_PENTRO_SCALE");
  if (factor != nullptr) {
    const int n = std::atoi(factor);
    if (n >= 1 && n <= 16) environmentScale = scaleSetting = n;
  }
}

int ChooseScale() {
  if (scaleSetting > 0) return scaleSetting;
  SDL_Rect usable;
  if (SDL_GetDisplayUsableBounds(0, &usable) != 0) return 1;
  const int fit = SDL_min(usable.w / size.cx, usable.h / size.cy);
  return fit >= 1 ? fit : 1;
}

SDL_Surface* NewFramebuffer() {
  SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormat(0, size.cx, size.cy, 32, FramebufferFormat);
  if (surface != nullptr) SDL_FillRect(surface, nullptr, SDL_MapRGB(surface->format, 0, 0, 0));
  return surface;
}

bool Open() {
  Configure();
  if (framebuffer != nullptr) return true;
  if (videoFailed) return false;
  if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
    videoFailed = true;
    return false;
  }
  // The driver's own framebuffer, not a texture: a tenth of the memory, and a small
  // rectangle reaches the screen in microseconds instead of a millisecond.
  SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  scale = ChooseScale();
  framebuffer = NewFramebuffer();
  // Hidden until the program's window exists: a second copy that ends at once shows
  // nothing and takes nothing (not even the keyboard) from the first.
  desktop = SDL_CreateWindow("", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, size.cx * scale,
                             size.cy * scale, SDL_WINDOW_HIDDEN);
  if (framebuffer == nullptr || desktop == nullptr) {
    if (framebuffer != nullptr) SDL_FreeSurface(framebuffer);
    if (desktop != nullptr) SDL_DestroyWindow(desktop);
    framebuffer = nullptr;
    desktop = nullptr;
    videoFailed = true;
    return false;
  }
  ScreenPresentAll();
  return true;
}

// A new size or factor for an open screen: what was shown is gone, the owners repaint.
void Reopen() {
  if (framebuffer == nullptr) return;
  SDL_FreeSurface(framebuffer);
  framebuffer = NewFramebuffer();
  if (framebuffer == nullptr) {
    SDL_DestroyWindow(desktop);
    desktop = nullptr;
    videoFailed = true;
    return;
  }
  scale = ChooseScale();
  SDL_SetWindowSize(desktop, size.cx * scale, size.cy * scale);
  ScreenPresentAll();
}

// Copies device rows to the window surface, each pixel repeated `scale` times across and
// each row `scale` times down: pixel-exact, no filtering.
void CopyScaled(const SDL_Rect& from, SDL_Surface* to) {
  const int factor = scale;
  const Uint8* sourceBase = static_cast<const Uint8*>(framebuffer->pixels);
  Uint8* destBase = static_cast<Uint8*>(to->pixels);
  const int destLeft = from.x * factor;
  const int destWidth = SDL_min(from.w * factor, to->w - destLeft);
  if (destWidth <= 0) return;
  for (int y = from.y; y < from.y + from.h; ++y) {
    const Uint32* source = reinterpret_cast<const Uint32*>(sourceBase + y * framebuffer->pitch) + from.x;
    const int destTop = y * factor;
    if (destTop >= to->h) break;
    Uint32* dest = reinterpret_cast<Uint32*>(destBase + destTop * to->pitch) + destLeft;
    if (factor == 1) {
      std::memcpy(dest, source, static_cast<size_t>(destWidth) * 4);
      continue;
    }
    if (destWidth == from.w * factor) {
      Uint32* out = dest;
      for (int x = 0; x < from.w; ++x)
        for (int k = 0; k < factor; ++k) *out++ = source[x];
    } else {
      for (int x = 0; x < destWidth; ++x) dest[x] = source[x / factor];
    }
    for (int k = 1; k < factor && destTop + k < to->h; ++k)
      std::memcpy(destBase + (destTop + k) * to->pitch + destLeft * 4, dest,
                  static_cast<size_t>(destWidth) * 4);
  }
}

}  // namespace

SIZE ScreenSize() {
  Configure();
  return size;
}

int ScreenDpi() {
  Configure();
  return size.cx >= 480 && size.cy >= 480 ? 192 : 96;
}

int ScreenScale() {
  Open();
  return scale;
}

SDL_Surface* ScreenFramebuffer() { return Open() ? framebuffer : nullptr; }

SDL_Window* ScreenDesktopWindow() { return Open() ? desktop : nullptr; }

void ScreenSetTitle(LPCWSTR title) {
  if (Open()) SDL_SetWindowTitle(desktop, Utf8FromDevice(title).c_str());
}

void ScreenSetIcon(HICON icon) {
  if (icon != nullptr && icon->pixels != nullptr && Open()) SDL_SetWindowIcon(desktop, icon->pixels);
}

void ScreenShow() {
  if (!Open() || (SDL_GetWindowFlags(desktop) & SDL_WINDOW_HIDDEN) == 0) return;
  SDL_ShowWindow(desktop);
  ScreenPresentAll();
}

void ScreenRaise() {
  if (desktop == nullptr) return;
  if ((SDL_GetWindowFlags(desktop) & SDL_WINDOW_MINIMIZED) != 0) SDL_RestoreWindow(desktop);
  SDL_RaiseWindow(desktop);
}

void ScreenPresent(const RECT& area) {
  // A hidden window shows nothing; ScreenShow shows it whole.
  if (framebuffer == nullptr || desktop == nullptr || (SDL_GetWindowFlags(desktop) & SDL_WINDOW_HIDDEN) != 0)
    return;
  const RECT clipped = RectIntersect(area, RECT{0, 0, size.cx, size.cy});
  if (RectEmpty(clipped)) return;
  SDL_Surface* surface = SDL_GetWindowSurface(desktop);
  if (surface == nullptr) return;
  const SDL_Rect from{clipped.left, clipped.top, clipped.right - clipped.left, clipped.bottom - clipped.top};
  SDL_Rect to{from.x * scale, from.y * scale, from.w * scale, from.h * scale};
  if (surface->format->format == FramebufferFormat) {
    CopyScaled(from, surface);
  } else {
    SDL_Rect source = from;
    SDL_BlitScaled(framebuffer, &source, surface, &to);
  }
  SDL_Rect shown;
  const SDL_Rect whole{0, 0, surface->w, surface->h};
  if (SDL_IntersectRect(&to, &whole, &shown)) SDL_UpdateWindowSurfaceRects(desktop, &shown, 1);
  ScreenReportFrame();
}

void ScreenPresentAll() { ScreenPresent(RECT{0, 0, size.cx, size.cy}); }

void ScreenRotate() {
  Configure();
  size = SIZE{size.cy, size.cx};
  Reopen();
}

BOOL ScreenPointFromDesktop(int desktopX, int desktopY, POINT* device) {
  const int factor = ScreenScale();
  if (desktopX < 0 || desktopY < 0) return FALSE;
  const POINT p{desktopX / factor, desktopY / factor};
  if (p.x >= size.cx || p.y >= size.cy) return FALSE;
  if (device != nullptr) *device = p;
  return TRUE;
}

COLORREF ScreenDesktopPixel(int desktopX, int desktopY) {
  if (!Open()) return CLR_INVALID;
  SDL_Surface* surface = SDL_GetWindowSurface(desktop);
  if (surface == nullptr || desktopX < 0 || desktopY < 0 || desktopX >= surface->w || desktopY >= surface->h)
    return CLR_INVALID;
  const Uint8* row = static_cast<const Uint8*>(surface->pixels) + desktopY * surface->pitch;
  Uint32 pixel = 0;
  std::memcpy(&pixel, row + desktopX * surface->format->BytesPerPixel, surface->format->BytesPerPixel);
  Uint8 r, g, b;
  SDL_GetRGB(pixel, surface->format, &r, &g, &b);
  return RGB(r, g, b);
}

void EmulatorSetScreen(int width, int height, int factor) {
  Configure();
  if (width <= 0 || height <= 0) return;
  size = SIZE{width, height};
  scaleSetting = factor > 0 ? factor : environmentScale;
  Reopen();
}

COLORREF EmulatorScreenPixel(int x, int y) {
  if (!Open() || x < 0 || y < 0 || x >= size.cx || y >= size.cy) return CLR_INVALID;
  const Uint32 pixel = static_cast<const Uint32*>(framebuffer->pixels)[y * framebuffer->pitch / 4 + x];
  Uint8 r, g, b;
  SDL_GetRGB(pixel, framebuffer->format, &r, &g, &b);
  return RGB(r, g, b);
}

BOOL EmulatorSaveScreenshot(const char* pngPath) {
  if (pngPath == nullptr || !Open()) return FALSE;
  return IMG_SavePNG(framebuffer, pngPath) == 0 ? TRUE : FALSE;
}

int GetSystemMetrics(int index) {
  switch (index) {
    case SM_CXSCREEN: return ScreenSize().cx;
    case SM_CYSCREEN: return ScreenSize().cy;
    default: return 0;
  }
}
