// Making windows: the place a new window is given, its record, the program's first window
// shown on the desktop, and the messages a new window hears, in the device's order.
#include "host/screen.h"
#include "user/remote_window.h"
#include "user/window.h"

namespace {

std::u16string Text(LPCWSTR text) { return text == nullptr ? std::u16string() : std::u16string(text); }

// In screen coordinates. The default place is the screen below the shell's task bar; a
// child's position counts from its parent's client area.
RECT Place(DWORD style, HWND parent, int x, int y, int width, int height) {
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
  const POINT origin = WindowOrigin(style, parent);
  x += origin.x;
  y += origin.y;
  return RECT{x, y, x + width, y + height};
}

HWND NewRecord(const WindowClass& windowClass, DWORD exStyle, LPCWSTR windowName, DWORD style,
               const RECT& place, HWND parent, HMENU menu, HINSTANCE instance, const PlatformWindow* how) {
  HWND window = new HWND__{};
  window->className = windowClass.name;
  window->title = Text(windowName);
  window->proc = windowClass.proc;
  window->style = style;
  window->exStyle = exStyle;
  window->parent = parent;
  window->id = (style & WS_CHILD) != 0 ? static_cast<WORD>(reinterpret_cast<uintptr_t>(menu)) : 0;
  window->instance = instance;
  window->background = windowClass.background;
  window->window = place;
  window->client = place;
  window->visible = (style & WS_VISIBLE) != 0;
  if (how != nullptr) {
    window->platformDraw = how->draw;
    window->platformData = how->data;
    window->shellBar = how->shellBar;
  }
  return window;
}

// The program's first window names the desktop window, gives it its icon and shows it.
void ShowOnDesktop(HWND window, const WindowClass& windowClass) {
  ScreenSetTitle(window->title.c_str());
  if (windowClass.icon != nullptr) ScreenSetIcon(windowClass.icon->pixels);
  ScreenShow();
}

// WM_CREATE, which may refuse the window, then WM_SIZE. False when the window is gone
// after either.
bool HearCreation(HWND window, CREATESTRUCTW& create) {
  const int width = create.cx, height = create.cy;
  if (SendMessageW(window, WM_CREATE, 0, reinterpret_cast<LPARAM>(&create)) == -1) {
    DestroyWindow(window);
    return false;
  }
  if (!IsWindow(window)) return false;
  SendMessageW(window, WM_SIZE, SIZE_RESTORED,
               MAKELPARAM(static_cast<WORD>(width), static_cast<WORD>(height)));
  return IsWindow(window);
}

// A new window that is now the active one hears so, after the one it took over from.
void Activate(HWND window, HWND wasActive) {
  if (!window->visible || ActiveWindow() != window) return;
  if (wasActive != nullptr && IsWindow(wasActive))
    SendMessageW(wasActive, WM_ACTIVATE, WA_INACTIVE, reinterpret_cast<LPARAM>(window));
  SendMessageW(window, WM_ACTIVATE, WA_ACTIVE, reinterpret_cast<LPARAM>(wasActive));
  TellActiveWindowChanged();
}

HWND Create(DWORD exStyle, LPCWSTR className, LPCWSTR windowName, DWORD style, int x, int y, int cx, int cy,
            HWND parent, HMENU menu, HINSTANCE instance, LPVOID param, const PlatformWindow* how) {
  const WindowClass* windowClass = FindWindowClass(className);
  if (windowClass == nullptr) return nullptr;
  const RECT place = Place(style, parent, x, y, cx, cy);
  HWND window = NewRecord(*windowClass, exStyle, windowName, style, place, parent, menu, instance, how);
  const bool programWindow = how == nullptr && parent == nullptr && ProgramWindow() == nullptr;
  HWND wasActive = ActiveWindow();
  PushWindow(window);
  if (programWindow) ShowOnDesktop(window, *windowClass);

  const int width = place.right - place.left, height = place.bottom - place.top;
  CREATESTRUCTW create{
      param,      instance,  menu,   parent, height, width, place.top, place.left, static_cast<LONG>(style),
      windowName, className, exStyle};
  if (!HearCreation(window, create)) return nullptr;
  if (window->visible) InvalidateRect(window, nullptr, TRUE);
  // Another program of this session finds a titled top-level window by FindWindowW.
  if (programWindow && !window->title.empty()) AnnounceWindow(window);
  Activate(window, wasActive);
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
