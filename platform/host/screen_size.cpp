// The emulated screen's size asked for, the same on the desktop and on a page: the
// program's SCREEN variable names a size, 480 x 640 otherwise, and a size the program cannot
// show gives way to that default.
#include <cstdio>

#include "host/program.h"
#include "host/screen.h"
#include "platform/emulator.h"

namespace {

constexpr SIZE DefaultSize{480, 640};
ScreenSizeCheck canShow = nullptr;

}  // namespace

void EmulatorSetScreenCheck(ScreenSizeCheck check) { canShow = check; }

SIZE ScreenAskedSize() {
  const char* screen = HostProgramVariable("SCREEN");
  if (screen == nullptr) return DefaultSize;
  int width = 0, height = 0;
  char end = 0;
  const bool size = std::sscanf(screen, "%dx%d%c", &width, &height, &end) == 2 && width > 0 && height > 0 &&
                    width <= 4096 && height <= 4096;
  if (size && (canShow == nullptr || canShow(width, height))) return SIZE{width, height};
  std::fprintf(stderr, "%s: the screen size \"%s\" %s; the screen is %ldx%ld\n", HostProgramName().c_str(),
               screen, size ? "cannot be shown: its pictures are not there" : "is not a size (WIDTHxHEIGHT)",
               static_cast<long>(DefaultSize.cx), static_cast<long>(DefaultSize.cy));
  return DefaultSize;
}
