// The emulated screen's dots per inch, the same on the desktop and on a page: a handheld
// with a screen of 480 pixels or more each way is one of 192 dpi.
#include "host/screen.h"

int ScreenDpi() {
  const SIZE size = ScreenSize();
  return size.cx >= 480 && size.cy >= 480 ? 192 : 96;
}
