// Where windows lie and whether they show: moving, showing and hiding them, and their
// rectangles. What a window leaves or uncovers is drawn again by the windows beneath.
#include "host/rect.h"
#include "user/window.h"

namespace {

// Children keep their place on a parent that moves.
void ShiftChildren(HWND window, LONG dx, LONG dy) {
  if (dx == 0 && dy == 0) return;
  for (HWND child : OwnedWindows(window))
    if ((child->style & WS_CHILD) != 0) {
      child->window = RectOffset(child->window, dx, dy);
      child->client = RectOffset(child->client, dx, dy);
      ShiftChildren(child, dx, dy);
    }
}

}  // namespace

POINT WindowOrigin(DWORD style, HWND parent) {
  if ((style & WS_CHILD) == 0 || !IsWindow(parent)) return POINT{0, 0};
  return POINT{parent->client.left, parent->client.top};
}

BOOL ShowWindow(HWND window, int command) {
  if (!IsWindow(window)) return FALSE;
  const bool was = window->visible;
  const bool show = command != SW_HIDE;
  if (show == was) return was ? TRUE : FALSE;
  window->visible = show;
  if (show)
    InvalidateRect(window, nullptr, TRUE);
  else
    RepairBelow(WindowLevel(window), window->window);
  TellActiveWindowChanged();
  return was ? TRUE : FALSE;
}

BOOL MoveWindow(HWND window, int x, int y, int width, int height, BOOL repaint) {
  if (!IsWindow(window)) return FALSE;
  if (width < 0) width = 0;
  if (height < 0) height = 0;
  const POINT origin = WindowOrigin(window->style, window->parent);
  x += origin.x;
  y += origin.y;
  const RECT old = window->window;
  const RECT now{x, y, x + width, y + height};
  window->window = now;
  window->client = now;
  ShiftChildren(window, now.left - old.left, now.top - old.top);
  window->invalid = RectIntersect(window->invalid, ClientRect(window));
  const bool resized = old.right - old.left != width || old.bottom - old.top != height;
  if (resized)
    SendMessageW(window, WM_SIZE, SIZE_RESTORED,
                 MAKELPARAM(static_cast<WORD>(width), static_cast<WORD>(height)));
  if (!IsWindow(window)) return TRUE;
  if (window->visible) {
    // What the window left is painted again by the windows beneath.
    const size_t level = WindowLevel(window);
    const RECT strips[4] = {{old.left, old.top, old.right, now.top},
                            {old.left, now.bottom, old.right, old.bottom},
                            {old.left, old.top, now.left, old.bottom},
                            {now.right, old.top, old.right, old.bottom}};
    for (const RECT& strip : strips) RepairBelow(level, RectIntersect(strip, old));
    if (repaint) InvalidateRect(window, nullptr, TRUE);
  }
  return TRUE;
}

BOOL GetWindowRect(HWND window, LPRECT rect) {
  if (!IsWindow(window) || rect == nullptr) return FALSE;
  *rect = window->window;
  return TRUE;
}

BOOL GetClientRect(HWND window, LPRECT rect) {
  if (!IsWindow(window) || rect == nullptr) return FALSE;
  *rect = ClientRect(window);
  return TRUE;
}
