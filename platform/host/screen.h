// The emulated device screen, the framebuffer that holds what it shows, and the desktop
// window that shows it enlarged by a whole factor, centred on a dark backdrop when the
// window is larger.
#pragma once

#include "host/image.h"
#include "host/rect.h"
#include "platform/windef.h"

// The device screen's size in pixels; reading it opens nothing.
SIZE ScreenSize();
// The size the program's SCREEN variable asks for ("240x320"), or 480 x 640.
SIZE ScreenAskedSize();
// Dots per inch of the device screen: 192 where both sides are at least 480 pixels, 96
// elsewhere. Fonts and the shell's bars are sized by it.
int ScreenDpi();
// The desktop window's enlargement factor at the window's own size, 1 or more: the one
// asked for (the program's SCALE variable or EmulatorSetScreen) or else the largest that fits the
// desktop, and never more than fits.
int ScreenScale();
// The factor shown now: the largest the window holds as it is sized, maximised or
// fullscreen.
int ScreenShownScale();
// The size of one device pixel on the glass as the desktop shows it now, in millimetres:
// a finger's reach is measured there, whatever the factor.
double ScreenMillimetresPerPixel();

// The framebuffer (a picture of the device's format, one pixel per device pixel) and the
// desktop window are made on first use and live for the rest of the run. Null, and false,
// only when the video system fails (or, for the window, the display went away).
HostImage* ScreenFramebuffer();
bool ScreenDesktopReady();

// The desktop window's title and icon, showing it (it is made hidden), and bringing it
// to the front.
void ScreenSetTitle(LPCWSTR title);
void ScreenShow();
void ScreenSetIcon(const HostImage* icon);
void ScreenRaise();

// Shows a rectangle of the framebuffer (device pixels) in the desktop window at once.
void ScreenPresent(const RECT& area);
// Shows the whole framebuffer again, laid out anew in the window as it is now, as after the
// desktop window was uncovered or took another size.
void ScreenPresentAll();
// Fullscreen on and off (the desktop's F11).
void ScreenToggleFullscreen();
// Notes that a frame went to the desktop window, and that the program's first paint did,
// for a benchmark that asks (frames.cpp).
void ScreenReportFrame();
void ScreenReportFirstFrame();

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
