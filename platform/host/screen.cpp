// The emulated device screen: its size, the framebuffer holding what it shows, and the
// desktop window that shows it enlarged pixel for pixel by the largest whole factor its
// window holds, centred on a dark backdrop, however the window is sized, maximised or
// made fullscreen.
#include "host/screen.h"

#include <SDL.h>
#include <SDL_image.h>

#include <cstdlib>
#include <cstring>

#include "host/display.h"
#include "host/path.h"
#include "host/program.h"
#include "host/screen_window.h"
#include "host/surface.h"
#include "platform/emulator.h"
#include "platform/wingdi.h"

namespace {

constexpr Uint32 FramebufferFormat = DeviceFormat;
constexpr Uint8 Backdrop[3] = {22, 23, 26};  // around the screen in a larger window

bool configured = false;
SIZE size{480, 640};
int environmentScale = 0;  // the program's SCALE variable; 0: none given
int scaleSetting = 0;      // 0: the largest factor that fits the desktop
int scale = 1;             // the factor of the window at its own size
bool videoFailed = false;
SDL_Surface* framebuffer = nullptr;
SDL_Window* desktop = nullptr;

// Where the screen lies in the desktop window: the window's size when laid out, the
// factor and the screen's top left corner in window pixels.
struct View {
  int width, height, factor, x, y;
};
View view{0, 0, 1, 0, 0};

void Configure() {
  if (configured) return;
  configured = true;
  size = ScreenAskedSize();
  const char* factor = HostProgramVariable("SCALE");
  if (factor != nullptr) {
    const int n = std::atoi(factor);
    if (n >= 1 && n <= 16) environmentScale = scaleSetting = n;
  }
}

// The largest factor whose window, with the frame the window manager gives it, fits the
// desktop's usable area (without panels); a factor asked for is never larger.
int ChooseScale() {
  const int display = desktop != nullptr ? SDL_max(SDL_GetWindowDisplayIndex(desktop), 0) : 0;
  SDL_Rect usable;
  if (SDL_GetDisplayUsableBounds(display, &usable) != 0) return scaleSetting > 0 ? scaleSetting : 1;
  int top = 0, left = 0, bottom = 0, right = 0;
  if (desktop == nullptr || SDL_GetWindowBordersSize(desktop, &top, &left, &bottom, &right) != 0)
    top = left = bottom = right = 0;  // not known before the window manager framed it
  const int fit =
      SDL_max(1, SDL_min((usable.w - left - right) / size.cx, (usable.h - top - bottom) / size.cy));
  return scaleSetting > 0 ? SDL_min(scaleSetting, fit) : fit;
}

SDL_Surface* NewFramebuffer() { return Surface(HostImageNew(size.cx, size.cy)); }

// A window at its own size, neither maximised nor fullscreen, takes the factor's size.
bool WindowAtOwnSize() {
  return (SDL_GetWindowFlags(desktop) & (SDL_WINDOW_MAXIMIZED | SDL_WINDOW_FULLSCREEN)) == 0;
}

void SizeWindow() {
  SDL_SetWindowMinimumSize(desktop, 1, 1);  // the old minimum may be larger than the new size
  if (WindowAtOwnSize()) SDL_SetWindowSize(desktop, size.cx * scale, size.cy * scale);
  SDL_SetWindowMinimumSize(desktop, size.cx, size.cy);
}

bool Open() {
  Configure();
  if (framebuffer != nullptr) return true;
  if (videoFailed) return false;
  if (!DisplayOpen()) {
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
                             size.cy * scale, SDL_WINDOW_HIDDEN | SDL_WINDOW_RESIZABLE);
  if (framebuffer == nullptr || desktop == nullptr) {
    if (framebuffer != nullptr) SDL_FreeSurface(framebuffer);
    if (desktop != nullptr) SDL_DestroyWindow(desktop);
    framebuffer = nullptr;
    desktop = nullptr;
    videoFailed = true;
    return false;
  }
  SDL_SetWindowMinimumSize(desktop, size.cx, size.cy);
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
  SizeWindow();
  ScreenPresentAll();
}

// Whether the desktop can be drawn on: the window is shown and its display is there.
bool Showing() {
  return framebuffer != nullptr && desktop != nullptr && !DisplayLost() &&
         (SDL_GetWindowFlags(desktop) & SDL_WINDOW_HIDDEN) == 0;
}

View LayOut(int width, int height) {
  const int factor = SDL_max(1, SDL_min(width / size.cx, height / size.cy));
  return View{width, height, factor, SDL_max(0, (width - size.cx * factor) / 2),
              SDL_max(0, (height - size.cy * factor) / 2)};
}

// Copies device rows to the window surface at the view's place, each pixel repeated
// `factor` times across and each row `factor` times down: pixel-exact, no filtering.
void CopyScaled(const SDL_Rect& from, SDL_Surface* to) {
  const int factor = view.factor;
  const Uint8* sourceBase = static_cast<const Uint8*>(framebuffer->pixels);
  Uint8* destBase = static_cast<Uint8*>(to->pixels);
  const int destLeft = view.x + from.x * factor;
  const int destWidth = SDL_min(from.w * factor, to->w - destLeft);
  if (destWidth <= 0) return;
  for (int y = from.y; y < from.y + from.h; ++y) {
    const Uint32* source = reinterpret_cast<const Uint32*>(sourceBase + y * framebuffer->pitch) + from.x;
    const int destTop = view.y + y * factor;
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

// Copies a rectangle of the framebuffer into the window surface, not yet shown.
void Copy(const SDL_Rect& from, SDL_Surface* surface) {
  if (surface->format->format == FramebufferFormat) {
    CopyScaled(from, surface);
    return;
  }
  SDL_Rect source = from;
  SDL_Rect to{view.x + from.x * view.factor, view.y + from.y * view.factor, from.w * view.factor,
              from.h * view.factor};
  SDL_BlitScaled(framebuffer, &source, surface, &to);
}

// The whole window: the backdrop around the screen, and the screen.
void PresentWhole(SDL_Surface* surface) {
  view = LayOut(surface->w, surface->h);
  const Uint32 backdrop = SDL_MapRGB(surface->format, Backdrop[0], Backdrop[1], Backdrop[2]);
  const int right = view.x + size.cx * view.factor, bottom = view.y + size.cy * view.factor;
  const SDL_Rect around[4] = {{0, 0, surface->w, view.y},
                              {0, bottom, surface->w, surface->h - bottom},
                              {0, view.y, view.x, bottom - view.y},
                              {right, view.y, surface->w - right, bottom - view.y}};
  for (const SDL_Rect& strip : around)
    if (strip.w > 0 && strip.h > 0) SDL_FillRect(surface, &strip, backdrop);
  Copy(SDL_Rect{0, 0, size.cx, size.cy}, surface);
  SDL_UpdateWindowSurface(desktop);
}

}  // namespace

SIZE ScreenSize() {
  Configure();
  return size;
}

int ScreenScale() {
  Open();
  return scale;
}

int ScreenShownScale() {
  if (!Open()) return 1;
  int width = 0, height = 0;
  SDL_GetWindowSize(desktop, &width, &height);
  return LayOut(width, height).factor;
}

HostImage* ScreenFramebuffer() { return Open() ? Image(framebuffer) : nullptr; }

SDL_Window* ScreenDesktopWindow() { return Open() && !DisplayLost() ? desktop : nullptr; }

bool ScreenDesktopReady() { return ScreenDesktopWindow() != nullptr; }

void ScreenSetTitle(LPCWSTR title) {
  if (Open()) SDL_SetWindowTitle(desktop, Utf8FromDevice(title).c_str());
}

void ScreenSetIcon(const HostImage* icon) {
  if (icon != nullptr && Open()) SDL_SetWindowIcon(desktop, const_cast<SDL_Surface*>(Surface(icon)));
}

void ScreenShow() {
  if (!Open() || (SDL_GetWindowFlags(desktop) & SDL_WINDOW_HIDDEN) == 0) return;
  SDL_ShowWindow(desktop);
  ScreenPresentAll();
}

void ScreenRaise() {
  if (desktop == nullptr || DisplayLost()) return;
  if ((SDL_GetWindowFlags(desktop) & SDL_WINDOW_MINIMIZED) != 0) SDL_RestoreWindow(desktop);
  SDL_RaiseWindow(desktop);
}

void ScreenPresent(const RECT& area) {
  // A hidden window shows nothing; ScreenShow shows it whole.
  if (!Showing()) return;
  const RECT clipped = RectIntersect(area, RECT{0, 0, size.cx, size.cy});
  if (RectEmpty(clipped)) return;
  SDL_Surface* surface = SDL_GetWindowSurface(desktop);
  if (surface == nullptr) return;
  // The window took another size since it was last drawn: it is drawn whole, laid out anew.
  if (surface->w != view.width || surface->h != view.height) {
    PresentWhole(surface);
    return;
  }
  const SDL_Rect from{clipped.left, clipped.top, clipped.right - clipped.left, clipped.bottom - clipped.top};
  Copy(from, surface);
  const SDL_Rect to{view.x + from.x * view.factor, view.y + from.y * view.factor, from.w * view.factor,
                    from.h * view.factor};
  SDL_Rect shown;
  const SDL_Rect whole{0, 0, surface->w, surface->h};
  if (SDL_IntersectRect(&to, &whole, &shown)) SDL_UpdateWindowSurfaceRects(desktop, &shown, 1);
  ScreenReportFrame();
}

void ScreenPresentAll() {
  if (!Showing()) return;
  if (SDL_Surface* surface = SDL_GetWindowSurface(desktop)) PresentWhole(surface);
}

void ScreenToggleFullscreen() {
  if (!Showing()) return;
  // The window comes back from fullscreen at the size it had before, even where the
  // window manager (or its absence) does not remember it.
  static int windowedWidth = 0, windowedHeight = 0;
  if ((SDL_GetWindowFlags(desktop) & SDL_WINDOW_FULLSCREEN) == 0) {
    SDL_GetWindowSize(desktop, &windowedWidth, &windowedHeight);
    SDL_SetWindowFullscreen(desktop, SDL_WINDOW_FULLSCREEN_DESKTOP);
  } else {
    SDL_SetWindowFullscreen(desktop, 0);
    if (WindowAtOwnSize() && windowedWidth > 0) SDL_SetWindowSize(desktop, windowedWidth, windowedHeight);
  }
  ScreenPresentAll();
}

void ScreenRotate() {
  Configure();
  size = SIZE{size.cy, size.cx};
  Reopen();
}

BOOL ScreenPointInWindow(int windowWidth, int windowHeight, int desktopX, int desktopY, POINT* device) {
  Configure();
  const View now = LayOut(windowWidth, windowHeight);
  desktopX -= now.x;
  desktopY -= now.y;
  if (desktopX < 0 || desktopY < 0) return FALSE;
  const POINT p{desktopX / now.factor, desktopY / now.factor};
  if (p.x >= size.cx || p.y >= size.cy) return FALSE;
  if (device != nullptr) *device = p;
  return TRUE;
}

BOOL ScreenPointFromDesktop(int desktopX, int desktopY, POINT* device) {
  if (!Open()) return FALSE;
  int width = 0, height = 0;
  SDL_GetWindowSize(desktop, &width, &height);
  return ScreenPointInWindow(width, height, desktopX, desktopY, device);
}

POINT ScreenDesktopFromPoint(POINT device) {
  if (!Open()) return device;
  int width = 0, height = 0;
  SDL_GetWindowSize(desktop, &width, &height);
  const View now = LayOut(width, height);
  return POINT{now.x + device.x * now.factor + now.factor / 2,
               now.y + device.y * now.factor + now.factor / 2};
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
  return HostImagePixel(Image(framebuffer), x, y);
}

BOOL EmulatorSaveScreenshot(const char* pngPath) {
  if (pngPath == nullptr || !Open()) return FALSE;
  return IMG_SavePNG(framebuffer, pngPath) == 0 ? TRUE : FALSE;
}

void EmulatorResizeDesktop(int width, int height) {
  if (Open()) SDL_SetWindowSize(desktop, width, height);
}
