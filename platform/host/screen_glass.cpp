// How large the device screen's pixels are on the desktop's glass: the factor shown times
// the size of the desktop's own pixels, which the display reports.
#include <SDL.h>

#include "host/screen.h"
#include "host/screen_window.h"

namespace {

constexpr float UsualDpi = 96;  // where the display tells nothing believable

float DesktopDpi() {
  SDL_Window* desktop = ScreenDesktopWindow();
  float dpi = 0;
  if (desktop == nullptr ||
      SDL_GetDisplayDPI(SDL_max(SDL_GetWindowDisplayIndex(desktop), 0), nullptr, &dpi, nullptr) != 0)
    return UsualDpi;
  return dpi >= 50 && dpi <= 1000 ? dpi : UsualDpi;
}

}  // namespace

double ScreenMillimetresPerPixel() { return ScreenShownScale() * 25.4 / DesktopDpi(); }
