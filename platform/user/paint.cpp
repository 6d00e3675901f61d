// Painting windows: the invalid area that waits for a paint, the device contexts of a paint
// or of drawing at once, and the windows drawn again over output beneath them, under a
// window that went, or at once when the platform draws them itself.
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

BOOL InvalidateRect(HWND window, const RECT* rect, BOOL erase) {
  if (!IsWindow(window)) return FALSE;
  const RECT whole = ClientRect(window);
  const RECT area = rect == nullptr ? whole : RectIntersect(*rect, whole);
  if (RectEmpty(area)) return TRUE;
  window->invalid = RectUnion(window->invalid, area);
  if (erase) window->erase = true;
  return TRUE;
}

BOOL UpdateWindow(HWND window) {
  if (!IsWindow(window)) return FALSE;
  if (window->visible && !RectEmpty(window->invalid)) SendMessageW(window, WM_PAINT, 0, 0);
  return TRUE;
}

HWND WindowWaitingForPaint() {
  for (size_t level = 0; level < WindowCount(); ++level) {
    HWND window = WindowAtLevel(level);
    if (window->visible && window->platformDraw == nullptr && !RectEmpty(window->invalid)) return window;
  }
  return nullptr;
}

void RepairBelow(size_t level, const RECT& area) {
  if (RectEmpty(area)) return;
  for (size_t i = 0; i < level && i < WindowCount(); ++i) {
    HWND under = WindowAtLevel(i);
    if (!under->visible) continue;
    const RECT uncovered = RectIntersect(area, under->window);
    if (RectEmpty(uncovered)) continue;
    if (under->platformDraw != nullptr) {
      under->platformDraw(under, uncovered);
      WindowOutputDone(under, uncovered);
    } else {
      const RECT local =
          RectOffset(RectIntersect(uncovered, under->client), -under->client.left, -under->client.top);
      InvalidateRect(under, &local, TRUE);
    }
  }
}

bool DrawPlatformWindows() {
  bool drew = false;
  for (size_t i = 0; i < WindowCount(); ++i) {
    HWND window = WindowAtLevel(i);
    if (window->platformDraw == nullptr || RectEmpty(window->invalid)) continue;
    const RECT area = RectOffset(window->invalid, window->client.left, window->client.top);
    window->invalid = RECT{0, 0, 0, 0};
    window->erase = false;
    if (window->visible) {
      window->platformDraw(window, area);
      WindowOutputDone(window, area);
    }
    drew = true;
  }
  return drew;
}

void RedrawPlatformWindow(HWND window) {
  if (!IsWindow(window) || !window->visible || window->platformDraw == nullptr) return;
  window->platformDraw(window, window->window);
  WindowOutputDone(window, window->window);
  window->invalid = RECT{0, 0, 0, 0};
  window->erase = false;
}

void WindowOutputDone(HWND window, const RECT& area) {
  if (RectEmpty(area)) return;
  // Output of the windows drawn again here lies within the area and is shown with it.
  static int drawingOver = 0;
  for (size_t i = WindowLevel(window) + 1; i < WindowCount(); ++i) {
    HWND over = WindowAtLevel(i);
    if (!over->visible) continue;
    const RECT overlap = RectIntersect(area, over->window);
    if (RectEmpty(overlap)) continue;
    if (over->platformDraw != nullptr) {
      ++drawingOver;
      over->platformDraw(over, overlap);
      --drawingOver;
    } else {
      const RECT local =
          RectOffset(RectIntersect(overlap, over->client), -over->client.left, -over->client.top);
      InvalidateRect(over, &local, TRUE);
    }
  }
  if (drawingOver == 0) ScreenPresent(area);
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
