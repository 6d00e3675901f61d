// Inside the platform only: the calls the graphics make into the windows above them, handed
// over once as the program starts (platform/wiring.cpp), each null until then.
#pragma once

#include "platform/windef.h"

struct GdiUpcalls {
  // Where a window's client area lies on the screen and whether it shows; false once the
  // window is gone.
  bool (*windowPlace)(HWND window, RECT* client, bool* visible);
  // After output to a window outside a paint: the area (screen coordinates) is shown, with
  // what lies over it. A null window: output of the whole screen's device context.
  void (*windowOutputDone)(HWND window, const RECT& area);
};
extern GdiUpcalls GdiAbove;  // defined in gdi.cpp
