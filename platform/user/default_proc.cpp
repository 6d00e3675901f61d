// What a window does with the messages its procedure leaves alone: paints nothing, erases
// with its class's brush, and goes when asked to close.
#include "gdi/gdi.h"
#include "user/window.h"

LRESULT DefWindowProcW(HWND window, UINT message, WPARAM wParam, LPARAM) {
  if (!IsWindow(window)) return 0;
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT paint;
      BeginPaint(window, &paint);
      EndPaint(window, &paint);
      return 0;
    }
    case WM_ERASEBKGND: {
      if (window->background == nullptr) return 0;
      const RECT whole = ClientRect(window);
      FillRectWithBrush(reinterpret_cast<HDC>(wParam), whole, window->background);
      return 1;
    }
    case WM_CLOSE: DestroyWindow(window); return 0;
    default: return 0;
  }
}
