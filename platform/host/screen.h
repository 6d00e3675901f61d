// Inside the platform only: the emulated device screen, the framebuffer that holds what it
// shows, and the desktop window that shows it enlarged by a whole factor, centred on a dark
// backdrop when the window is larger.
#pragma once

#include "platform/windef.h"

struct SDL_Surface;
struct SDL_Window;

// The device screen's size in pixels; reading it opens nothing.
SIZE ScreenSize();
// Dots per inch of the device screen: 192 where both sides are at least 480 pixels, 96
// elsewhere. Fonts and the shell's bars are sized by it.
int ScreenDpi();
// The desktop window's enlargement factor at the window's own size, 1 or more: the one
// asked for (MARLIX_PENTRO_SCALE or EmulatorSetScreen) or else the largest that fits the
// desktop, and never more than fits.
int ScreenScale();
// The factor shown now: the largest the window holds as it is sized, maximised or
// fullscreen.
int ScreenShownScale();

// The framebuffer (one 32-bit XRGB pixel per device pixel) and the desktop window are made
// on first use and live for the rest of the run. Null only when the video system fails.
SDL_Surface* ScreenFramebuffer();
SDL_Window* ScreenDesktopWindow();

// The desktop window's title and icon, showing it (it is made hidden), and bringing it
// to the front.
void ScreenSetTitle(LPCWSTR title);
void ScreenShow();
void ScreenSetIcon(HICON icon);
void ScreenRaise();

// Shows a rectangle of the framebuffer (device pixels) in the desktop window at once.
void ScreenPresent(const RECT& area);
// Shows the whole framebuffer again, laid out anew in the window as it is now, as after the
// desktop window was uncovered or took another size.
void ScreenPresentAll();
// Fullscreen on and off (the desktop's F11).
void ScreenToggleFullscreen();
// Notes that a frame went to the desktop window, for a benchmark that asks (frames.cpp).
void ScreenReportFrame();

// Turns the device between portrait and landscape: width and height swap, the framebuffer
// and the desktop window take the new size. The windows are left to their owners.
void ScreenRotate();

// A point in the desktop window's pixels as a device pixel, by the window's present size
// or by a size it had; FALSE outside the device screen (on the backdrop, say).
BOOL ScreenPointFromDesktop(int desktopX, int desktopY, POINT* device);
BOOL ScreenPointInWindow(int windowWidth, int windowHeight, int desktopX, int desktopY, POINT* device);
// The desktop window's pixel at the middle of a device pixel.
POINT ScreenDesktopFromPoint(POINT device);
// A pixel of the desktop window's surface (0x00BBGGRR), for tests; CLR_INVALID outside.
COLORREF ScreenDesktopPixel(int desktopX, int desktopY);

// Rectangle helpers shared by the platform's drawing code.
inline bool RectEmpty(const RECT& r) { return r.right <= r.left || r.bottom <= r.top; }
inline RECT RectIntersect(const RECT& a, const RECT& b) {
  RECT r{a.left > b.left ? a.left : b.left, a.top > b.top ? a.top : b.top,
         a.right < b.right ? a.right : b.right, a.bottom < b.bottom ? a.bottom : b.bottom};
  if (RectEmpty(r)) r = RECT{0, 0, 0, 0};
  return r;
}
inline RECT RectUnion(const RECT& a, const RECT& b) {
  if (RectEmpty(a)) return b;
  if (RectEmpty(b)) return a;
  return RECT{a.left < b.left ? a.left : b.left, a.top < b.top ? a.top : b.top,
              a.right > b.right ? a.right : b.right, a.bottom > b.bottom ? a.bottom : b.bottom};
}
inline RECT RectOffset(const RECT& r, LONG dx, LONG dy) {
  return RECT{r.left + dx, r.top + dy, r.right + dx, r.bottom + dy};
}
