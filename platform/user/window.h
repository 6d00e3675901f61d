// Inside the platform only: the record of a window and of a window class. Windows are
// stacked, a child above its parent; drawing into one is redrawn under the windows above it.
#pragma once

#include <string>
#include <vector>

#include "host/image.h"
#include "platform/winuser.h"

// Icons are shared and live as long as the program.
struct HICON__ {
  HostImage* pixels;
};

struct WindowClass {
  std::u16string name;
  UINT style;
  WNDPROC proc;
  HINSTANCE instance;
  HICON icon;
  HBRUSH background;  // erases the window on paints that ask for it; may be null
};

struct HWND__ {
  std::u16string className;
  std::u16string title;
  WNDPROC proc;
  DWORD style;
  DWORD exStyle;
  HWND parent;  // the owner of a top-level window, the parent of a WS_CHILD one
  WORD id;      // a child's id (the `menu` of its creation)
  HINSTANCE instance;
  HBRUSH background;  // the class's
  RECT window;        // screen coordinates
  RECT client;        // screen coordinates
  bool visible;
  RECT invalid;  // client coordinates; empty when nothing waits for a paint
  bool erase;    // the next paint erases the invalid area first
  // Windows the platform draws itself (the shell's bars, message boxes) set this: it
  // draws the window's pixels within `area` (screen coordinates) again, through the
  // window's own device context and without messages, when output beneath has covered
  // them. Application windows leave it null and are invalidated instead.
  void (*platformDraw)(HWND window, const RECT& area);
  void* platformData;
  // The shell's own bars and menus: never the active window, never the program's.
  bool shellBar;
  // A window of another process, found by FindWindowW: only its name is known here.
  bool remote;
  std::string remoteName;
};

// The screen below the task bar; the whole screen while the shell has not started.
RECT WorkArea();

// Every live window, bottom first; a new window goes on top.
extern std::vector<HWND> WindowStack;
extern std::vector<WindowClass> WindowClasses;

const WindowClass* FindWindowClass(LPCWSTR name);

// The client area's size as a rectangle at (0, 0).
RECT ClientRect(HWND window);

// Windows the platform draws itself are made with their drawing, data and role in place
// before their creation messages; they are visible.
struct PlatformWindow {
  void (*draw)(HWND window, const RECT& area);
  void* data;
  bool shellBar;
};
HWND CreatePlatformWindow(LPCWSTR className, LPCWSTR title, const RECT& rect, HWND owner,
                          const PlatformWindow& how);

// The topmost visible window that takes keys: not a shell bar. Null when there is none.
HWND ActiveWindow();
// The program's main window: its first top-level window that is not platform-drawn.
HWND ProgramWindow();
// The topmost visible window at a point of the screen, or null.
HWND WindowAt(POINT point);
// Whether a window is `owner` or owned by it, directly or through other windows.
bool OwnedBy(HWND window, HWND owner);
// The screen's `area` needs drawing again by the windows stacked below `level` (an index
// into WindowStack): platform-drawn ones are drawn at once, the others invalidated.
void RepairBelow(size_t level, const RECT& area);
// Platform-drawn windows with an invalid area draw it; returns whether any did.
bool DrawPlatformWindows();

// Called after drawing into the framebuffer within `area` (screen coordinates) on behalf of
// `window`: the visible windows above it that overlap the area are drawn again over it,
// then the area is shown on the desktop. Output of the whole screen (a null window) lies
// above every window.
void WindowOutputDone(HWND window, const RECT& area);
// Where a window's client area lies on the screen (screen coordinates) and whether it
// shows; false once the window is gone. With WindowOutputDone, what a window's device
// context asks of the windows (paint.cpp).
bool WindowPlace(HWND window, RECT* client, bool* visible);
