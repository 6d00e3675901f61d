// Windows: classes, the stack of live windows, creation and destruction, messages sent
// straight to a window procedure, and the invalid area that waits for a paint.
#include "user/window.h"

#include <algorithm>

#include "gdi/gdi.h"
#include "host/screen.h"
#include "user/remote_window.h"
#include "user/upcalls.h"

std::vector<HWND> WindowStack;
std::vector<WindowClass> WindowClasses;

namespace {

void ActiveWindowChanged() {
  if (UserAbove.activeWindowChanged != nullptr) UserAbove.activeWindowChanged();
}

bool Live(HWND window) {
  return window != nullptr && std::find(WindowStack.begin(), WindowStack.end(), window) != WindowStack.end();
}

std::u16string Text(LPCWSTR text) { return text == nullptr ? std::u16string() : std::u16string(text); }

// Where a window's position is counted from: its parent's client area for a child.
POINT Origin(DWORD style, HWND parent) {
  if ((style & WS_CHILD) == 0 || !Live(parent)) return POINT{0, 0};
  return POINT{parent->client.left, parent->client.top};
}

// Children keep their place on a parent that moves.
void ShiftChildren(HWND window, LONG dx, LONG dy) {
  if (dx == 0 && dy == 0) return;
  for (HWND child : WindowStack)
    if (child->parent == window && (child->style & WS_CHILD) != 0) {
      child->window = RectOffset(child->window, dx, dy);
      child->client = RectOffset(child->client, dx, dy);
      ShiftChildren(child, dx, dy);
    }
}

}  // namespace

RECT WorkArea() {
  if (UserAbove.workArea != nullptr) return UserAbove.workArea();
  const SIZE screen = ScreenSize();
  return RECT{0, 0, screen.cx, screen.cy};
}

const WindowClass* FindWindowClass(LPCWSTR name) {
  if (name == nullptr) return nullptr;
  for (const WindowClass& c : WindowClasses)
    if (c.name == name) return &c;
  return nullptr;
}

RECT ClientRect(HWND window) {
  return RECT{0, 0, window->client.right - window->client.left, window->client.bottom - window->client.top};
}

HWND ActiveWindow() {
  for (auto it = WindowStack.rbegin(); it != WindowStack.rend(); ++it)
    if ((*it)->visible && !(*it)->shellBar && ((*it)->style & WS_CHILD) == 0) return *it;
  return nullptr;
}

HWND ProgramWindow() {
  for (HWND window : WindowStack)
    if (window->parent == nullptr && window->platformDraw == nullptr && !window->shellBar) return window;
  return nullptr;
}

HWND WindowAt(POINT point) {
  for (auto it = WindowStack.rbegin(); it != WindowStack.rend(); ++it) {
    const RECT& r = (*it)->window;
    if ((*it)->visible && r.left <= point.x && point.x < r.right && r.top <= point.y && point.y < r.bottom)
      return *it;
  }
  return nullptr;
}

bool OwnedBy(HWND window, HWND owner) {
  for (int depth = 0; window != nullptr && depth < 64; ++depth, window = window->parent)
    if (window == owner) return true;
  return false;
}

void RepairBelow(size_t level, const RECT& area) {
  if (RectEmpty(area)) return;
  for (size_t i = 0; i < level && i < WindowStack.size(); ++i) {
    HWND under = WindowStack[i];
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
  for (size_t i = 0; i < WindowStack.size(); ++i) {
    HWND window = WindowStack[i];
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

namespace {

HWND Create(DWORD exStyle, LPCWSTR className, LPCWSTR windowName, DWORD style, int x, int y, int width,
            int height, HWND parent, HMENU menu, HINSTANCE instance, LPVOID param,
            const PlatformWindow* how) {
  const WindowClass* windowClass = FindWindowClass(className);
  if (windowClass == nullptr) return nullptr;
  // The default place is the screen below the shell's task bar.
  const RECT work = WorkArea();
  if (x == CW_USEDEFAULT) {
    x = work.left;
    y = work.top;
  }
  if (width == CW_USEDEFAULT) {
    width = work.right - x;
    height = work.bottom - y;
  }
  if (width < 0) width = 0;
  if (height < 0) height = 0;
  const POINT origin = Origin(style, parent);
  x += origin.x;
  y += origin.y;

  HWND window = new HWND__{};
  window->className = windowClass->name;
  window->title = Text(windowName);
  window->proc = windowClass->proc;
  window->style = style;
  window->exStyle = exStyle;
  window->parent = parent;
  window->id = (style & WS_CHILD) != 0 ? static_cast<WORD>(reinterpret_cast<uintptr_t>(menu)) : 0;
  window->instance = instance;
  window->background = windowClass->background;
  window->window = RECT{x, y, x + width, y + height};
  window->client = window->window;
  window->visible = (style & WS_VISIBLE) != 0;
  if (how != nullptr) {
    window->platformDraw = how->draw;
    window->platformData = how->data;
    window->shellBar = how->shellBar;
  }
  const bool programWindow = how == nullptr && parent == nullptr && ProgramWindow() == nullptr;
  HWND wasActive = ActiveWindow();
  WindowStack.push_back(window);
  // The program's first window names the desktop window, gives it its icon and shows it.
  if (programWindow) {
    ScreenSetTitle(window->title.c_str());
    if (windowClass->icon != nullptr) ScreenSetIcon(windowClass->icon->pixels);
    ScreenShow();
  }

  CREATESTRUCTW create{param,      instance,  menu,   parent, height, width, y, x, static_cast<LONG>(style),
                       windowName, className, exStyle};
  if (SendMessageW(window, WM_CREATE, 0, reinterpret_cast<LPARAM>(&create)) == -1) {
    DestroyWindow(window);
    return nullptr;
  }
  if (!Live(window)) return nullptr;
  SendMessageW(window, WM_SIZE, SIZE_RESTORED,
               MAKELPARAM(static_cast<WORD>(width), static_cast<WORD>(height)));
  if (!Live(window)) return nullptr;
  if (window->visible) InvalidateRect(window, nullptr, TRUE);
  // Another program of this session finds a titled top-level window by FindWindowW.
  if (programWindow && !window->title.empty()) AnnounceWindow(window);
  if (window->visible && ActiveWindow() == window) {
    if (wasActive != nullptr && Live(wasActive))
      SendMessageW(wasActive, WM_ACTIVATE, WA_INACTIVE, reinterpret_cast<LPARAM>(window));
    SendMessageW(window, WM_ACTIVATE, WA_ACTIVE, reinterpret_cast<LPARAM>(wasActive));
    ActiveWindowChanged();
  }
  return window;
}

}  // namespace

HWND CreateWindowExW(DWORD exStyle, LPCWSTR className, LPCWSTR windowName, DWORD style, int x, int y,
                     int width, int height, HWND parent, HMENU menu, HINSTANCE instance, LPVOID param) {
  return Create(exStyle, className, windowName, style, x, y, width, height, parent, menu, instance, param,
                nullptr);
}

HWND CreatePlatformWindow(LPCWSTR className, LPCWSTR title, const RECT& rect, HWND owner,
                          const PlatformWindow& how) {
  return Create(0, className, title, WS_VISIBLE, rect.left, rect.top, rect.right - rect.left,
                rect.bottom - rect.top, owner, nullptr, nullptr, nullptr, &how);
}

BOOL DestroyWindow(HWND window) {
  if (!Live(window)) return FALSE;
  const bool wasActive = ActiveWindow() == window;
  SendMessageW(window, WM_DESTROY, 0, 0);
  // The windows it owns go with it.
  for (bool found = true; found;) {
    found = false;
    for (HWND other : WindowStack)
      if (other != window && other->parent == window) {
        DestroyWindow(other);
        found = true;
        break;
      }
  }
  auto it = std::find(WindowStack.begin(), WindowStack.end(), window);
  if (it == WindowStack.end()) return TRUE;  // destroyed while handling its own destruction
  const size_t level = static_cast<size_t>(it - WindowStack.begin());
  WindowStack.erase(it);
  WithdrawWindow(window);
  // What it covered is painted again by the windows beneath.
  if (window->visible) RepairBelow(level, window->window);
  delete window;
  if (wasActive) {
    if (HWND active = ActiveWindow()) SendMessageW(active, WM_ACTIVATE, WA_ACTIVE, 0);
    ActiveWindowChanged();
  }
  return TRUE;
}

BOOL UnregisterClassW(LPCWSTR className, HINSTANCE) {
  const WindowClass* windowClass = FindWindowClass(className);
  if (windowClass == nullptr) return FALSE;
  for (HWND window : WindowStack)
    if (window->className == windowClass->name) return FALSE;
  WindowClasses.erase(WindowClasses.begin() + (windowClass - WindowClasses.data()));
  return TRUE;
}

BOOL ShowWindow(HWND window, int command) {
  if (!Live(window)) return FALSE;
  const bool was = window->visible;
  const bool show = command != SW_HIDE;
  if (show == was) return was ? TRUE : FALSE;
  window->visible = show;
  if (show) {
    InvalidateRect(window, nullptr, TRUE);
  } else {
    const size_t level =
        static_cast<size_t>(std::find(WindowStack.begin(), WindowStack.end(), window) - WindowStack.begin());
    RepairBelow(level, window->window);
  }
  ActiveWindowChanged();
  return was ? TRUE : FALSE;
}

BOOL MoveWindow(HWND window, int x, int y, int width, int height, BOOL repaint) {
  if (!Live(window)) return FALSE;
  if (width < 0) width = 0;
  if (height < 0) height = 0;
  const POINT origin = Origin(window->style, window->parent);
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
  if (!Live(window)) return TRUE;
  if (window->visible) {
    // What the window left is painted again by the windows beneath.
    const size_t level =
        static_cast<size_t>(std::find(WindowStack.begin(), WindowStack.end(), window) - WindowStack.begin());
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
  if (!Live(window) || rect == nullptr) return FALSE;
  *rect = window->window;
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

HWND FindWindowW(LPCWSTR className, LPCWSTR windowName) {
  for (HWND window : WindowStack)
    if ((window->style & WS_CHILD) == 0 && (className == nullptr || window->className == className) &&
        (windowName == nullptr || window->title == windowName))
      return window;
  if (className != nullptr && windowName != nullptr) return FindRemoteWindow(className, windowName);
  return nullptr;
}

BOOL SetForegroundWindow(HWND window) {
  // The lowest bit asks for the owned windows too, which here always come along.
  window = reinterpret_cast<HWND>(reinterpret_cast<uintptr_t>(window) & ~uintptr_t{1});
  if (Live(window)) {
    ScreenRaise();
    return TRUE;
  }
  return RaiseRemoteWindow(window);
}
