// Window classes: registered by name, found by name, and taken back once no window of the
// class is left.
#include "user/window.h"

namespace {

std::vector<WindowClass> classes;

}  // namespace

const WindowClass* FindWindowClass(LPCWSTR name) {
  if (name == nullptr) return nullptr;
  for (const WindowClass& c : classes)
    if (c.name == name) return &c;
  return nullptr;
}

ATOM RegisterClassW(const WNDCLASSW* wndClass) {
  if (wndClass == nullptr || wndClass->lpfnWndProc == nullptr || wndClass->lpszClassName == nullptr ||
      wndClass->lpszClassName[0] == 0 || FindWindowClass(wndClass->lpszClassName) != nullptr)
    return 0;
  classes.push_back(WindowClass{wndClass->lpszClassName, wndClass->style, wndClass->lpfnWndProc,
                                wndClass->hInstance, wndClass->hIcon, wndClass->hbrBackground});
  return static_cast<ATOM>(0xC000 + classes.size() - 1);
}

BOOL UnregisterClassW(LPCWSTR className, HINSTANCE) {
  const WindowClass* windowClass = FindWindowClass(className);
  if (windowClass == nullptr) return FALSE;
  for (HWND window : WindowList())
    if (window->className == windowClass->name) return FALSE;
  classes.erase(classes.begin() + (windowClass - classes.data()));
  return TRUE;
}
