// System metrics: the device screen's size.
#include "host/screen.h"
#include "platform/winuser.h"

int GetSystemMetrics(int index) {
  switch (index) {
    case SM_CXSCREEN: return ScreenSize().cx;
    case SM_CYSCREEN: return ScreenSize().cy;
    default: return 0;
  }
}
