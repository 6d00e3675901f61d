// Device contexts and the drawing objects selected into them, for the layers above.
#pragma once

#include "host/image.h"
#include "platform/windef.h"

// Every object handed out as an HGDIOBJ starts with its kind, so SelectObject and
// DeleteObject can tell what they were given.
enum class GdiKind : int { Bitmap = 0x4D42, Brush = 0x5242 };

struct HBITMAP__ {
  GdiKind kind;
  HostImage* pixels;  // the device's pixel format, so copies are plain row copies
  HDC selectedInto;   // null when free; the stock bitmap keeps it null
  bool stock;
};

struct HBRUSH__ {
  GdiKind kind;
  COLORREF colour;
  bool stock;
};

struct HDC__ {
  HWND window;     // window device contexts; null with `memory` false is the whole screen
  bool memory;     // memory device contexts draw into `bitmap`
  bool painting;   // from BeginPaint: shown on the desktop at EndPaint
  RECT paintArea;  // inside a paint: the area being painted, client coordinates
  HBITMAP bitmap;
  int bkMode;
  COLORREF textColour;
  COLORREF bkColour;
};

// Where a device context's output lands: a surface, the surface position of the device
// context's (0, 0), and the part of the surface that output may touch.
struct DrawTarget {
  HostImage* surface;
  POINT origin;
  RECT clip;
};
bool ResolveTarget(HDC dc, DrawTarget* target);
// The same for output into the device context.
bool ResolveOutput(HDC dc, DrawTarget* target);
// After output into `area` of the target's surface: output to a window outside a paint is
// shown at once; inside a paint it waits for EndPaint.
void OutputDone(HDC dc, const RECT& area);

// A window's device context asks the windows above where the window lies, and has output
// to it outside a paint shown through them (gdi/upcalls.h).
HDC NewWindowDC(HWND window, bool painting, const RECT& paintArea);
void FreeDC(HDC dc);
HBITMAP NewBitmap(HostImage* pixels);
void FillRectWithBrush(HDC dc, const RECT& rect, HBRUSH brush);
