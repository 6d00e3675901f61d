// The emulated screen's size and dots per inch, the same on the desktop and on a page: the
// program's SCREEN variable names a size, 480 x 640 otherwise.
#include <cstdio>

#include "host/program.h"
#include "host/screen.h"

SIZE ScreenAskedSize() {
  int width = 0, height = 0;
  const char* screen = HostProgramVariable("SCREEN");
  if (screen != nullptr && std::sscanf(screen, "%dx%d", &width, &height) == 2 && width > 0 && height > 0 &&
      width <= 4096 && height <= 4096)
    return SIZE{width, height};
  return SIZE{480, 640};
}

int ScreenDpi() {
  const SIZE size = ScreenSize();
  return size.cx >= 480 && size.cy >= 480 ? 192 : 96;
}
