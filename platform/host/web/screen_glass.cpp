// How large the device screen's pixels are on the page's glass: the canvas's width in CSS
// pixels over the screen's, whatever the page scales it to, and a CSS pixel's size, which
// browsers keep near 1/160 inch on phones and 1/96 inch on desktops.
#include <emscripten.h>

#include "host/screen.h"

double ScreenMillimetresPerPixel() {
  // clang-format off
  const double cssWide = EM_ASM_DOUBLE({
    const canvas = Module['canvas'];
    return canvas ? canvas.getBoundingClientRect().width : 0;
  });
  const double cssPerInch = EM_ASM_DOUBLE({
    return window.matchMedia && window.matchMedia('(pointer: coarse)').matches ? 160 : 96;
  });
  // clang-format on
  const double cssPerPixel = cssWide > 0 ? cssWide / ScreenSize().cx : 1;
  return cssPerPixel * 25.4 / cssPerInch;
}
