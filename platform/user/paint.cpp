// Device contexts of windows: for a paint of the invalid area, or for drawing at once.
#include "gdi/gdi.h"
#include "host/screen.h"
#include "user/window.h"

// Device contexts of windows draw where the windows lie, under the windows above them.
bool WindowPlace(HWND window, RECT* client, bool* visible) {
  if (!IsWindow(window)) return false;
  *client = window->client;
  *visible = window->visible;
  return true;
}

HDC BeginPaint(HWND window, PAINTSTRUCT* paint) {
  if (!IsWindow(window) || paint == nullptr) return nullptr;
  const RECT area = window->invalid;
  const bool erase = window->erase;
  window->invalid = RECT{0, 0, 0, 0};
  window->erase = false;
  HDC dc = NewWindowDC(window, true, area);
  *paint = PAINTSTRUCT{};
  paint->hdc = dc;
  paint->rcPaint = area;
  // fErase tells the window procedure that the background still needs erasing.
  if (erase) paint->fErase = SendMessageW(window, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0) == 0;
  return dc;
}

BOOL EndPaint(HWND window, const PAINTSTRUCT* paint) {
  if (paint == nullptr || paint->hdc == nullptr) return FALSE;
  HDC dc = paint->hdc;
  if (IsWindow(window) && window == dc->window && window->visible) {
    const RECT& client = window->client;
    WindowOutputDone(window, RectIntersect(RectOffset(dc->paintArea, client.left, client.top), client));
    if (window == ProgramWindow()) ScreenReportFirstFrame();
  }
  FreeDC(dc);
  return TRUE;
}

HDC GetDC(HWND window) {
  if (window != nullptr && !IsWindow(window)) return nullptr;
  return NewWindowDC(window, false, RECT{0, 0, 0, 0});
}

int ReleaseDC(HWND, HDC dc) {
  if (dc == nullptr || dc->memory) return 0;
  FreeDC(dc);
  return 1;
}
