// What a device context's screen is: every device context draws to the one screen (or to a
// bitmap of its format), so each tells the screen's figures.
#include <cmath>

#include "host/screen.h"
#include "platform/wingdi.h"

int GetDeviceCaps(HDC, int index) {
  const SIZE size = ScreenSize();
  switch (index) {
    case HORZRES: return size.cx;
    case VERTRES: return size.cy;
    // Whole millimetres, as the handheld reports them.
    case HORZSIZE: return static_cast<int>(std::lround(size.cx * ScreenMillimetresPerPixel()));
    case VERTSIZE: return static_cast<int>(std::lround(size.cy * ScreenMillimetresPerPixel()));
    case LOGPIXELSX:
    case LOGPIXELSY: return ScreenDpi();
    default: return 0;
  }
}
