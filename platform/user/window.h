// Inside the platform only: the record of a window and of a window class, and what the
// platform's layers ask of windows. Windows are stacked, a child above its parent; drawing
// into one is redrawn under the windows above it.
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

// The stack of live windows (window.cpp), bottom first, a new window on top: how many there
// are, the one at a level (0 the bottom), a window's level (the count for one not live), and
// a copy of the stack, for a walk that may make or destroy windows as it goes. Only creation
// and destruction push and remove windows.
size_t WindowCount();
HWND WindowAtLevel(size_t level);
size_t WindowLevel(HWND window);
std::vector<HWND> WindowList();
void PushWindow(HWND window);
void RemoveWindow(HWND window);
// The topmost visible window that takes keys: not a shell bar. Null when there is none.
HWND ActiveWindow();
// The program's main window: its first top-level window that is not platform-drawn.
HWND ProgramWindow();
// The topmost visible window at a point of the screen, or null.
HWND WindowAt(POINT point);
// The shell hears that the active window changed.
void TellActiveWindowChanged();

// Classes (window_class.cpp).
const WindowClass* FindWindowClass(LPCWSTR name);

// Creation (window_create.cpp). Windows the platform draws itself are made with their
// drawing, data and role in place before their creation messages; they are visible.
struct PlatformWindow {
  void (*draw)(HWND window, const RECT& area);
  void* data;
  bool shellBar;
};
HWND CreatePlatformWindow(LPCWSTR className, LPCWSTR title, const RECT& rect, HWND owner,
                          const PlatformWindow& how);

// Ownership (window_destroy.cpp): whether a window is `owner` or owned by it, directly or
// through other windows; the windows whose owner or parent is `owner`, bottom first.
bool OwnedBy(HWND window, HWND owner);
std::vector<HWND> OwnedWindows(HWND owner);

// Placement (window_place.cpp): where a window's position counts from, in screen
// coordinates: its parent's client area for a child, the screen's corner for any other.
POINT WindowOrigin(DWORD style, HWND parent);
// The client area's size as a rectangle at (0, 0).
inline RECT ClientRect(HWND window) {
  return RECT{0, 0, window->client.right - window->client.left, window->client.bottom - window->client.top};
}

// Painting (paint.cpp). The screen's `area` needs drawing again by the windows stacked below
// `level`: platform-drawn ones are drawn at once, the others invalidated.
void RepairBelow(size_t level, const RECT& area);
// Platform-drawn windows with an invalid area draw it; returns whether any did.
bool DrawPlatformWindows();
// A platform-drawn window draws itself whole at once, and is shown: nothing of it waits for
// a paint any more. Nothing for a window that is gone or hidden.
void RedrawPlatformWindow(HWND window);
// The lowest visible window the platform does not draw itself whose invalid area waits for
// a paint (a WM_PAINT), or null.
HWND WindowWaitingForPaint();
// Called after drawing into the framebuffer within `area` (screen coordinates) on behalf of
// `window`: the visible windows above it that overlap the area are drawn again over it,
// then the area is shown on the desktop. Output of the whole screen (a null window) lies
// above every window.
void WindowOutputDone(HWND window, const RECT& area);
// Where a window's client area lies on the screen (screen coordinates) and whether it
// shows; false once the window is gone. With WindowOutputDone, what a window's device
// context asks of the windows (paint.cpp).
bool WindowPlace(HWND window, RECT* client, bool* visible);
