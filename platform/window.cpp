// Windows: classes, the stack of live windows, creation and destruction, messages sent
// straight to a window procedure, and the invalid area that waits for a paint.
#include "platform/window.h"

#include <algorithm>

#include "platform/gdi.h"
#include "platform/screen.h"

std::vector<HWND> WindowStack;
std::vector<WindowClass> WindowClasses;

namespace {

bool Live(HWND window) {
  return window != nullptr && std::find(WindowStack.begin(), WindowStack.end(), window) != WindowStack.end();
}

std::u16string Text(LPCWSTR text) { return text == nullptr ? std::u16string() : std::u16string(text); }

}  // namespace

const WindowClass* FindWindowClass(LPCWSTR name) {
  if (name == nullptr) return nullptr;
  for (const WindowClass& c : WindowClasses)
    if (c.name == name) return &c;
  return nullptr;
}

RECT ClientRect(HWND window) {
  return RECT{0, 0, window->client.right - window->client.left, window->client.bottom - window->client.top};
}

void WindowOutputDone(HWND window, const RECT& area) {
  if (RectEmpty(area)) return;
  // Output of the windows drawn again here lies within the area and is shown with it.
  static int drawingOver = 0;
  auto it = std::find(WindowStack.begin(), WindowStack.end(), window);
  if (it != WindowStack.end()) ++it;
  for (; it != WindowStack.end(); ++it) {
    HWND over = *it;
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

ATOM RegisterClassW(const WNDCLASSW* wndClass) {
  if (wndClass == nullptr || wndClass->lpfnWndProc == nullptr || wndClass->lpszClassName == nullptr ||
      wndClass->lpszClassName[0] == 0 || FindWindowClass(wndClass->lpszClassName) != nullptr)
    return 0;
  WindowClasses.push_back(WindowClass{wndClass->lpszClassName, wndClass->style, wndClass->lpfnWndProc,
                                      wndClass->hInstance, wndClass->hIcon, wndClass->hbrBackground});
  return static_cast<ATOM>(0xC000 + WindowClasses.size() - 1);
}

HWND CreateWindowExW(DWORD exStyle, LPCWSTR className, LPCWSTR windowName, DWORD style, int x, int y,
                     int width, int height, HWND parent, HMENU menu, HINSTANCE instance, LPVOID param) {
  const WindowClass* windowClass = FindWindowClass(className);
  if (windowClass == nullptr) return nullptr;
  const SIZE screen = ScreenSize();
  if (x == CW_USEDEFAULT) x = y = 0;
  if (width == CW_USEDEFAULT) {
    width = screen.cx - x;
    height = screen.cy - y;
  }
  if (width < 0) width = 0;
  if (height < 0) height = 0;

  HWND window = new HWND__{};
  window->className = windowClass->name;
  window->title = Text(windowName);
  window->proc = windowClass->proc;
  window->style = style;
  window->exStyle = exStyle;
  window->parent = parent;
  window->instance = instance;
  window->background = windowClass->background;
  window->window = RECT{x, y, x + width, y + height};
  window->client = window->window;
  window->visible = (style & WS_VISIBLE) != 0;
  WindowStack.push_back(window);
  // The first window is the program's: the desktop window carries its title.
  if (WindowStack.size() == 1) ScreenSetTitle(window->title.c_str());

  CREATESTRUCTW create{param,      instance,  menu,   parent, height, width, y, x, static_cast<LONG>(style),
                       windowName, className, exStyle};
  if (SendMessageW(window, WM_CREATE, 0, reinterpret_cast<LPARAM>(&create)) == -1) {
    DestroyWindow(window);
    return nullptr;
  }
  if (!Live(window)) return nullptr;
  SendMessageW(window, WM_SIZE, SIZE_RESTORED,
               MAKELPARAM(static_cast<WORD>(width), static_cast<WORD>(height)));
  if (window->visible) InvalidateRect(window, nullptr, TRUE);
  return window;
}

BOOL DestroyWindow(HWND window) {
  if (!Live(window)) return FALSE;
  SendMessageW(window, WM_DESTROY, 0, 0);
  auto it = std::find(WindowStack.begin(), WindowStack.end(), window);
  if (it == WindowStack.end()) return TRUE;  // destroyed while handling its own destruction
  const size_t level = static_cast<size_t>(it - WindowStack.begin());
  WindowStack.erase(it);
  // What it covered is painted again by the windows beneath.
  if (window->visible)
    for (size_t i = 0; i < level; ++i) {
      HWND under = WindowStack[i];
      const RECT uncovered = RectIntersect(window->window, under->client);
      if (RectEmpty(uncovered)) continue;
      const RECT local = RectOffset(uncovered, -under->client.left, -under->client.top);
      InvalidateRect(under, &local, TRUE);
    }
  delete window;
  return TRUE;
}

BOOL IsWindow(HWND window) { return Live(window) ? TRUE : FALSE; }

LRESULT SendMessageW(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (!Live(window) || window->proc == nullptr) return 0;
  return window->proc(window, message, wParam, lParam);
}

LRESULT DefWindowProcW(HWND window, UINT message, WPARAM wParam, LPARAM) {
  if (!Live(window)) return 0;
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

BOOL GetClientRect(HWND window, LPRECT rect) {
  if (!Live(window) || rect == nullptr) return FALSE;
  *rect = ClientRect(window);
  return TRUE;
}

BOOL InvalidateRect(HWND window, const RECT* rect, BOOL erase) {
  if (!Live(window)) return FALSE;
  const RECT whole = ClientRect(window);
  const RECT area = rect == nullptr ? whole : RectIntersect(*rect, whole);
  if (RectEmpty(area)) return TRUE;
  window->invalid = RectUnion(window->invalid, area);
  if (erase) window->erase = true;
  return TRUE;
}

BOOL UpdateWindow(HWND window) {
  if (!Live(window)) return FALSE;
  if (window->visible && !RectEmpty(window->invalid)) SendMessageW(window, WM_PAINT, 0, 0);
  return TRUE;
}
