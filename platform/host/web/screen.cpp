// The emulated device screen on a web page: the canvas is the screen pixel for pixel, and
// the page enlarges it. The page's shape chooses the screen (page.cpp), at the start and
// whenever its best screen changes.
#include "host/screen.h"

#include <SDL.h>
#include <emscripten.h>

#include <cstring>

#include "host/display.h"
#include "host/page.h"
#include "host/path.h"
#include "host/program.h"
#include "host/screen_window.h"
#include "host/surface.h"
#include "platform/emulator.h"
#include "platform/wingdi.h"

namespace {

bool configured = false;
SIZE size{480, 640};
bool videoFailed = false;
SDL_Surface* framebuffer = nullptr;
SDL_Window* desktop = nullptr;  // the canvas

void Configure() {
  if (configured) return;
  configured = true;
  size = PageScreen();
}

// The page's script shows each rectangle presented, enlarged (index.html).
// clang-format off
EM_JS(void, TellPagePresented, (int x, int y, int width, int height), {
  if (Module.marlixPresented) Module.marlixPresented(x, y, width, height);
});
// clang-format on

SDL_Surface* NewFramebuffer() { return Surface(HostImageNew(size.cx, size.cy)); }

bool Open() {
  Configure();
  if (framebuffer != nullptr) return true;
  if (videoFailed || !DisplayOpen()) {
    videoFailed = true;
    return false;
  }
  framebuffer = NewFramebuffer();
  desktop = SDL_CreateWindow("", SDL_WINDOWPOS_UNDEFINED, SDL_WINDOWPOS_UNDEFINED, size.cx, size.cy,
                             SDL_WINDOW_HIDDEN);
  if (framebuffer == nullptr || desktop == nullptr) {
    if (framebuffer != nullptr) SDL_FreeSurface(framebuffer);
    if (desktop != nullptr) SDL_DestroyWindow(desktop);
    framebuffer = nullptr;
    desktop = nullptr;
    videoFailed = true;
    return false;
  }
  return true;
}

bool Showing() { return framebuffer != nullptr && (SDL_GetWindowFlags(desktop) & SDL_WINDOW_HIDDEN) == 0; }

// Copies a rectangle of the framebuffer to the canvas's surface and shows it.
void Present(const RECT& area) {
  SDL_Surface* surface = SDL_GetWindowSurface(desktop);
  if (surface == nullptr) return;
  SDL_Rect rect{area.left, area.top, area.right - area.left, area.bottom - area.top};
  SDL_BlitSurface(framebuffer, &rect, surface, &rect);
  SDL_UpdateWindowSurfaceRects(desktop, &rect, 1);
  TellPagePresented(rect.x, rect.y, rect.w, rect.h);
  ScreenReportFrame();
}

}  // namespace

SIZE ScreenSize() {
  Configure();
  return size;
}

// The page does the enlarging.
int ScreenScale() { return 1; }
int ScreenShownScale() { return 1; }

HostImage* ScreenFramebuffer() { return Open() ? Image(framebuffer) : nullptr; }

SDL_Window* ScreenDesktopWindow() { return Open() ? desktop : nullptr; }

bool ScreenDesktopReady() { return ScreenDesktopWindow() != nullptr; }

// The page's title.
void ScreenSetTitle(LPCWSTR title) {
  if (Open()) SDL_SetWindowTitle(desktop, Utf8FromDevice(title).c_str());
}

// The page has its own icon.
void ScreenSetIcon(const HostImage*) {}

void ScreenShow() {
  if (!Open() || Showing()) return;
  SDL_ShowWindow(desktop);
  ScreenPresentAll();
}

// The tab is the browser's to bring to the front.
void ScreenRaise() {}

void ScreenPresent(const RECT& area) {
  if (!Showing()) return;
  const RECT clipped = RectIntersect(area, RECT{0, 0, size.cx, size.cy});
  if (!RectEmpty(clipped)) Present(clipped);
}

void ScreenPresentAll() {
  if (Showing()) Present(RECT{0, 0, size.cx, size.cy});
}

// Fullscreen is the browser's (F11).
void ScreenToggleFullscreen() {}

// The turn key: the page's choice when the page pressed it, else the screen turned.
void ScreenRotate() {
  Configure();
  SIZE next{size.cy, size.cx};
  PageTakesScreen(&next);
  size = next;
  if (framebuffer != nullptr) {
    SDL_FreeSurface(framebuffer);
    framebuffer = NewFramebuffer();
    if (framebuffer == nullptr) videoFailed = true;
    SDL_SetWindowSize(desktop, size.cx, size.cy);
    ScreenPresentAll();
  }
  PageScreenTurned();
}

// SDL gives taps in the canvas's own pixels, however large the page shows it.
BOOL ScreenPointInWindow(int, int, int desktopX, int desktopY, POINT* device) {
  Configure();
  if (desktopX < 0 || desktopY < 0 || desktopX >= size.cx || desktopY >= size.cy) return FALSE;
  if (device != nullptr) *device = POINT{desktopX, desktopY};
  return TRUE;
}

BOOL ScreenPointFromDesktop(int desktopX, int desktopY, POINT* device) {
  return ScreenPointInWindow(size.cx, size.cy, desktopX, desktopY, device);
}

POINT ScreenDesktopFromPoint(POINT device) { return device; }

COLORREF ScreenDesktopPixel(int desktopX, int desktopY) {
  if (!Open()) return CLR_INVALID;
  SDL_Surface* surface = SDL_GetWindowSurface(desktop);
  if (surface == nullptr || desktopX < 0 || desktopY < 0 || desktopX >= surface->w || desktopY >= surface->h)
    return CLR_INVALID;
  Uint32 pixel = 0;
  std::memcpy(&pixel,
              static_cast<const Uint8*>(surface->pixels) + desktopY * surface->pitch +
                  desktopX * surface->format->BytesPerPixel,
              surface->format->BytesPerPixel);
  Uint8 r, g, b;
  SDL_GetRGB(pixel, surface->format, &r, &g, &b);
  return RGB(r, g, b);
}

void EmulatorSetScreen(int width, int height, int) {
  Configure();
  if (width <= 0 || height <= 0) return;
  size = SIZE{width, height};
  if (framebuffer == nullptr) return;
  SDL_FreeSurface(framebuffer);
  framebuffer = NewFramebuffer();
  SDL_SetWindowSize(desktop, size.cx, size.cy);
  ScreenPresentAll();
}

COLORREF EmulatorScreenPixel(int x, int y) {
  if (!Open() || x < 0 || y < 0 || x >= size.cx || y >= size.cy) return CLR_INVALID;
  return HostImagePixel(Image(framebuffer), x, y);
}

// A page has no files of the player's to save pictures in.
BOOL EmulatorSaveScreenshot(const char*) { return FALSE; }

// The page's size is the browser's.
void EmulatorResizeDesktop(int, int) {}
