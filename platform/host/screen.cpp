// The emulated device screen: its size, the framebuffer holding what it shows, and the
// desktop window that shows it centred on a dark backdrop: enlarged pixel for pixel by a
// whole factor in a window of its own size, filling a maximised or fullscreen window.
#include "host/screen.h"

#include <SDL.h>
#include <SDL_image.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

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
const char* refusedScale = nullptr;  // a SCALE variable that names no factor
bool videoFailed = false;
SDL_Surface* framebuffer = nullptr;
SDL_Window* desktop = nullptr;

// Where the screen lies in the desktop window: the window's size when laid out, the whole
// factor, the screen's top left corner and its size in window pixels. A sharp view is
// enlarged by a fraction (shownWidth, shownHeight), otherwise by the whole factor.
struct View {
  int width, height, factor, x, y;
  bool sharp;
  int shownWidth, shownHeight;
};
View view{0, 0, 1, 0, 0, false, 0, 0};

// For each column (or row) of a sharp view, the device pixel it shows and how much of it,
// out of 256; the rest comes from the next device pixel. Made with the view.
struct Sample {
  int pixel, weight;
};
std::vector<Sample> sampleColumns, sampleRows;

void Configure() {
  if (configured) return;
  configured = true;
  size = ScreenAskedSize();
  const char* factor = HostProgramVariable("SCALE");
  if (factor != nullptr) {
    char* end = nullptr;
    const long n = std::strtol(factor, &end, 10);
    if (end != factor && *end == 0 && n >= 1 && n <= 16)
      environmentScale = scaleSetting = static_cast<int>(n);
    else
      refusedScale = factor;
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

// Gives the window at its own size a new size, its frame kept inside the desktop's usable
// area: around the same centre where that fits, moved in from the edges where it does not.
void PlaceWindow(int width, int height) {
  int x = 0, y = 0, oldWidth = 0, oldHeight = 0;
  SDL_GetWindowPosition(desktop, &x, &y);
  SDL_GetWindowSize(desktop, &oldWidth, &oldHeight);
  x += (oldWidth - width) / 2;
  y += (oldHeight - height) / 2;
  SDL_Rect usable;
  const int display = SDL_max(SDL_GetWindowDisplayIndex(desktop), 0);
  if (SDL_GetDisplayUsableBounds(display, &usable) == 0) {
    int top = 0, left = 0, bottom = 0, right = 0;
    if (SDL_GetWindowBordersSize(desktop, &top, &left, &bottom, &right) != 0) top = left = bottom = right = 0;
    // The right and bottom edges first: a window larger than the area keeps its title bar.
    x = SDL_max(SDL_min(x, usable.x + usable.w - right - width), usable.x + left);
    y = SDL_max(SDL_min(y, usable.y + usable.h - bottom - height), usable.y + top);
  }
  SDL_SetWindowSize(desktop, width, height);
  SDL_SetWindowPosition(desktop, x, y);
}

void SizeWindow() {
  SDL_SetWindowMinimumSize(desktop, 1, 1);  // the old minimum may be larger than the new size
  if (WindowAtOwnSize()) PlaceWindow(size.cx * scale, size.cy * scale);
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
  // One line, so a mistyped factor is not taken silently for none.
  if (refusedScale != nullptr)
    std::fprintf(stderr,
                 "marlix-pentro: MARLIX_PENTRO_SCALE=%s is not a whole number from 1 to 16; factor %d, "
                 "the largest that fits the desktop, is used instead\n",
                 refusedScale, scale);
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

// A window of its own size shows the screen by the largest whole factor it holds. A
// maximised or fullscreen one is filled, by a whole factor where that leaves little
// unused, else by a fraction, drawn sharp (below).
View LayOut(int width, int height, bool filled) {
  const int factor = SDL_max(1, SDL_min(width / size.cx, height / size.cy));
  View laid{width, height, factor, 0, 0, false, size.cx * factor, size.cy * factor};
  if (filled) {
    // The screen's shape kept, as wide or as tall as the window.
    int shownWidth = width, shownHeight = static_cast<int>(static_cast<long long>(width) * size.cy / size.cx);
    if (shownHeight > height) {
      shownHeight = height;
      shownWidth = static_cast<int>(static_cast<long long>(height) * size.cx / size.cy);
    }
    // A whole factor is kept while it fills at least 95 % of the width the fraction would.
    if (shownWidth > size.cx && (shownWidth - laid.shownWidth) * 20 > shownWidth) {
      laid.sharp = true;
      laid.shownWidth = shownWidth;
      laid.shownHeight = shownHeight;
    }
  }
  laid.x = SDL_max(0, (width - laid.shownWidth) / 2);
  laid.y = SDL_max(0, (height - laid.shownHeight) / 2);
  return laid;
}

// A window maximised or fullscreen, whose size the desktop chose.
bool Filled() {
  return desktop != nullptr &&
         (SDL_GetWindowFlags(desktop) & (SDL_WINDOW_MAXIMIZED | SDL_WINDOW_FULLSCREEN)) != 0;
}

// The device pixel (column or row) a window pixel of a sharp view shows most of, for taps.
int SharpPixel(int shown, int device, int at) {
  return static_cast<int>((2LL * at + 1) * device / (2LL * shown));
}

// Each window pixel of a sharp view covers less than one device pixel, so at most two. It
// shows what it covers, in proportion: inside a device pixel its colour unchanged, on the
// border between two a blend of both. So every device pixel is as wide as its neighbours
// to within one window pixel, and no edge is softer than one window pixel: the same as
// enlarging by the largest whole factor with nearest pixels and making the last step
// smoothly, as emulators' sharp bilinear filter does.
void MakeSamples(int shown, int device, std::vector<Sample>* samples) {
  samples->resize(static_cast<size_t>(shown));
  for (int at = 0; at < shown; ++at) {
    const long long start = static_cast<long long>(at) * device;  // in 1/shown of a device pixel
    const int pixel = static_cast<int>(start / shown);
    const long long end = static_cast<long long>(pixel + 1) * shown;
    const long long covered = SDL_min(end - start, static_cast<long long>(device));
    (*samples)[static_cast<size_t>(at)] = Sample{pixel, static_cast<int>(covered * 256 / device)};
  }
}

Uint32 Blend(Uint32 a, Uint32 b, int weight) {
  if (weight >= 256) return a;
  const Uint32 w = static_cast<Uint32>(weight), v = 256 - w;
  const Uint32 redBlue = (((a & 0xFF00FF) * w + (b & 0xFF00FF) * v) >> 8) & 0xFF00FF;
  const Uint32 green = (((a & 0x00FF00) * w + (b & 0x00FF00) * v) >> 8) & 0x00FF00;
  return redBlue | green;
}

// The window pixels (in the shown picture's own coordinates) that show any of a device
// area, in a sharp view.
SDL_Rect SharpArea(const SDL_Rect& from) {
  const auto first = [](int device, int shown, int at) {
    return static_cast<int>(static_cast<long long>(at) * shown / device);
  };
  const auto last = [](int device, int shown, int at) {
    return static_cast<int>((static_cast<long long>(at) * shown + device - 1) / device);
  };
  const int left = first(size.cx, view.shownWidth, from.x), top = first(size.cy, view.shownHeight, from.y);
  const int right = SDL_min(last(size.cx, view.shownWidth, from.x + from.w), view.shownWidth);
  const int bottom = SDL_min(last(size.cy, view.shownHeight, from.y + from.h), view.shownHeight);
  return SDL_Rect{left, top, right - left, bottom - top};
}

void CopySharp(const SDL_Rect& from, SDL_Surface* to) {
  const SDL_Rect area = SharpArea(from);
  const Uint8* sourceBase = static_cast<const Uint8*>(framebuffer->pixels);
  Uint8* destBase = static_cast<Uint8*>(to->pixels);
  const int lastColumn = size.cx - 1, lastRow = size.cy - 1;
  for (int y = area.y; y < area.y + area.h; ++y) {
    if (view.y + y >= to->h) break;
    const Sample row = sampleRows[static_cast<size_t>(y)];
    const Uint32* upper = reinterpret_cast<const Uint32*>(sourceBase + row.pixel * framebuffer->pitch);
    const Uint32* lower =
        reinterpret_cast<const Uint32*>(sourceBase + SDL_min(row.pixel + 1, lastRow) * framebuffer->pitch);
    Uint32* dest = reinterpret_cast<Uint32*>(destBase + (view.y + y) * to->pitch) + view.x;
    for (int x = area.x; x < area.x + area.w && view.x + x < to->w; ++x) {
      const Sample column = sampleColumns[static_cast<size_t>(x)];
      const int next = SDL_min(column.pixel + 1, lastColumn);
      const Uint32 top = Blend(upper[column.pixel], upper[next], column.weight);
      dest[x] = row.weight >= 256 ? top : Blend(top, Blend(lower[column.pixel], lower[next], column.weight), row.weight);
    }
  }
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

// The window pixels that show a device area.
SDL_Rect ShownArea(const SDL_Rect& from) {
  if (!view.sharp)
    return SDL_Rect{view.x + from.x * view.factor, view.y + from.y * view.factor, from.w * view.factor,
                    from.h * view.factor};
  const SDL_Rect area = SharpArea(from);
  return SDL_Rect{view.x + area.x, view.y + area.y, area.w, area.h};
}

// Copies a rectangle of the framebuffer into the window surface, not yet shown.
void Copy(const SDL_Rect& from, SDL_Surface* surface) {
  if (surface->format->format == FramebufferFormat) {
    if (view.sharp)
      CopySharp(from, surface);
    else
      CopyScaled(from, surface);
    return;
  }
  SDL_Rect source = from;
  SDL_Rect to = ShownArea(from);
  SDL_BlitScaled(framebuffer, &source, surface, &to);
}

// The whole window: the backdrop around the screen, and the screen.
void PresentWhole(SDL_Surface* surface) {
  view = LayOut(surface->w, surface->h, Filled());
  if (view.sharp) {
    MakeSamples(view.shownWidth, size.cx, &sampleColumns);
    MakeSamples(view.shownHeight, size.cy, &sampleRows);
  }
  const Uint32 backdrop = SDL_MapRGB(surface->format, Backdrop[0], Backdrop[1], Backdrop[2]);
  const int right = view.x + view.shownWidth, bottom = view.y + view.shownHeight;
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
  return LayOut(width, height, Filled()).factor;
}

SIZE ScreenShownSize() {
  if (!Open()) return size;
  int width = 0, height = 0;
  SDL_GetWindowSize(desktop, &width, &height);
  const View now = LayOut(width, height, Filled());
  return SIZE{now.shownWidth, now.shownHeight};
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
  const SDL_Rect to = ShownArea(from);
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
  // Leaving fullscreen gives back the window as it was before: maximised, or at its size and
  // place, even where the window manager (or its absence) does not remember them.
  static bool wasMaximised = false;
  static SDL_Rect before{0, 0, 0, 0};
  if ((SDL_GetWindowFlags(desktop) & SDL_WINDOW_FULLSCREEN) == 0) {
    wasMaximised = (SDL_GetWindowFlags(desktop) & SDL_WINDOW_MAXIMIZED) != 0;
    SDL_GetWindowPosition(desktop, &before.x, &before.y);
    SDL_GetWindowSize(desktop, &before.w, &before.h);
    SDL_SetWindowFullscreen(desktop, SDL_WINDOW_FULLSCREEN_DESKTOP);
  } else {
    SDL_SetWindowFullscreen(desktop, 0);
    if (wasMaximised) {
      SDL_MaximizeWindow(desktop);
    } else if (before.w > 0) {
      if ((SDL_GetWindowFlags(desktop) & SDL_WINDOW_MAXIMIZED) != 0) SDL_RestoreWindow(desktop);
      SDL_SetWindowSize(desktop, before.w, before.h);
      SDL_SetWindowPosition(desktop, before.x, before.y);
    }
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
  const View now = LayOut(windowWidth, windowHeight, Filled());
  desktopX -= now.x;
  desktopY -= now.y;
  if (desktopX < 0 || desktopY < 0 || desktopX >= now.shownWidth || desktopY >= now.shownHeight) return FALSE;
  const POINT p = now.sharp ? POINT{SharpPixel(now.shownWidth, size.cx, desktopX),
                                    SharpPixel(now.shownHeight, size.cy, desktopY)}
                            : POINT{desktopX / now.factor, desktopY / now.factor};
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
  const View now = LayOut(width, height, Filled());
  if (now.sharp)
    return POINT{now.x + static_cast<int>((2LL * device.x + 1) * now.shownWidth / (2LL * size.cx)),
                 now.y + static_cast<int>((2LL * device.y + 1) * now.shownHeight / (2LL * size.cy))};
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
