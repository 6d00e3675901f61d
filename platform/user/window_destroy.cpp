// Destroying windows, and what a window owns: the windows whose owner or parent it is go
// with it, and what it covered is drawn again by the windows beneath.
#include "user/remote_window.h"
#include "user/window.h"

bool OwnedBy(HWND window, HWND owner) {
  for (int depth = 0; window != nullptr && depth < 64; ++depth, window = window->parent)
    if (window == owner) return true;
  return false;
}

std::vector<HWND> OwnedWindows(HWND owner) {
  std::vector<HWND> owned;
  for (size_t level = 0; level < WindowCount(); ++level) {
    HWND window = WindowAtLevel(level);
    if (window != owner && window->parent == owner) owned.push_back(window);
  }
  return owned;
}

BOOL DestroyWindow(HWND window) {
  if (!IsWindow(window)) return FALSE;
  const bool wasActive = ActiveWindow() == window;
  SendMessageW(window, WM_DESTROY, 0, 0);
  // The windows it owns go with it, the lowest first, each asked for again as destroying
  // one may destroy others.
  for (std::vector<HWND> owned = OwnedWindows(window); !owned.empty(); owned = OwnedWindows(window))
    DestroyWindow(owned.front());
  if (!IsWindow(window)) return TRUE;  // destroyed while handling its own destruction
  const size_t level = WindowLevel(window);
  RemoveWindow(window);
  WithdrawWindow(window);
  // What it covered is painted again by the windows beneath.
  if (window->visible) RepairBelow(level, window->window);
  delete window;
  if (wasActive) {
    if (HWND active = ActiveWindow()) SendMessageW(active, WM_ACTIVATE, WA_ACTIVE, 0);
    TellActiveWindowChanged();
  }
  return TRUE;
}
