// Windows: the stack of live windows and what is asked of it (whether a window lives, the
// active one, the program's, the one under a point, one found by name), messages sent
// straight to a window procedure, and what the shell tells the windows once it has started.
#include "user/window.h"

#include <algorithm>

#include "host/screen.h"
#include "user/remote_window.h"
#include "user/upcalls.h"

constinit UserUpcalls UserAbove{};

namespace {

// Every live window, bottom first; a new window goes on top.
std::vector<HWND> stack;

}  // namespace

RECT WorkArea() {
  if (UserAbove.workArea != nullptr) return UserAbove.workArea();
  const SIZE screen = ScreenSize();
  return RECT{0, 0, screen.cx, screen.cy};
}

void TellActiveWindowChanged() {
  if (UserAbove.activeWindowChanged != nullptr) UserAbove.activeWindowChanged();
}

size_t WindowCount() { return stack.size(); }

HWND WindowAtLevel(size_t level) { return level < stack.size() ? stack[level] : nullptr; }

size_t WindowLevel(HWND window) {
  return static_cast<size_t>(std::find(stack.begin(), stack.end(), window) - stack.begin());
}

std::vector<HWND> WindowList() { return stack; }

void PushWindow(HWND window) { stack.push_back(window); }

void RemoveWindow(HWND window) { std::erase(stack, window); }

BOOL IsWindow(HWND window) {
  return window != nullptr && std::find(stack.begin(), stack.end(), window) != stack.end() ? TRUE : FALSE;
}

HWND ActiveWindow() {
  for (auto it = stack.rbegin(); it != stack.rend(); ++it)
    if ((*it)->visible && !(*it)->shellBar && ((*it)->style & WS_CHILD) == 0) return *it;
  return nullptr;
}

HWND ProgramWindow() {
  for (HWND window : stack)
    if (window->parent == nullptr && window->platformDraw == nullptr && !window->shellBar) return window;
  return nullptr;
}

HWND WindowAt(POINT point) {
  for (auto it = stack.rbegin(); it != stack.rend(); ++it) {
    const RECT& r = (*it)->window;
    if ((*it)->visible && r.left <= point.x && point.x < r.right && r.top <= point.y && point.y < r.bottom)
      return *it;
  }
  return nullptr;
}

LRESULT SendMessageW(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (!IsWindow(window) || window->proc == nullptr) return 0;
  return window->proc(window, message, wParam, lParam);
}

HWND FindWindowW(LPCWSTR className, LPCWSTR windowName) {
  for (HWND window : stack)
    if ((window->style & WS_CHILD) == 0 && (className == nullptr || window->className == className) &&
        (windowName == nullptr || window->title == windowName))
      return window;
  if (className != nullptr && windowName != nullptr) return FindRemoteWindow(className, windowName);
  return nullptr;
}

BOOL SetForegroundWindow(HWND window) {
  // The lowest bit asks for the owned windows too, which here always come along.
  window = reinterpret_cast<HWND>(reinterpret_cast<uintptr_t>(window) & ~uintptr_t{1});
  if (IsWindow(window)) {
    ScreenRaise();
    return TRUE;
  }
  return RaiseRemoteWindow(window);
}
