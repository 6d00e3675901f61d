// The Pocket PC shell on the emulated screen: the task bar along the top showing the
// active window's title, the screen below it for programs, and turning the screen.
#include "shell/shell.h"

#include <vector>

#include "gdi/screen_paint.h"
#include "host/screen.h"
#include "platform/aygshell.h"
#include "platform/emulator.h"
#include "platform/wingdi.h"
#include "shell/menubar.h"
#include "shell/shell_dialog.h"
#include "user/look.h"
#include "user/msgbox.h"
#include "user/window.h"

namespace {

HWND taskBar = nullptr;

// The title of the active window, or of its owner when it has none of its own.
LPCWSTR ActiveTitle() {
  for (HWND window = ActiveWindow(); window != nullptr; window = window->parent)
    if (!window->title.empty()) return window->title.c_str();
  return u"";
}

void DrawTaskBar(HWND window, const RECT& area) {
  const RECT& bar = window->window;
  const int s = LookScale();
  PaintGradient(area, RECT{bar.left, bar.top, bar.right, bar.bottom - s}, TitleBarTop, TitleBarBottom);
  PaintFill(area, RECT{bar.left, bar.bottom - s, bar.right, bar.bottom}, TaskBarEdge);
  LPCWSTR title = ActiveTitle();
  const SIZE size = MeasureText(title, BoldText);
  const RECT room = RectIntersect(area, RECT{bar.left + 6 * s, bar.top, bar.right - 6 * s, bar.bottom});
  PaintText(room, bar.left + 8 * s, bar.top + (bar.bottom - bar.top - s - size.cy) / 2, title, TitleText,
            BoldText);
}

LRESULT TaskBarProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY && window == taskBar) taskBar = nullptr;
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

// The task bar shows the active window's title.
void ShellActiveWindowChanged() {
  if (ShellStarted()) RedrawPlatformWindow(taskBar);
}

bool ShellStarted() { return taskBar != nullptr; }

int EmulatorBarHeight() { return BarHeight(); }

RECT ShellWorkArea() {
  const SIZE screen = ScreenSize();
  return RECT{0, ShellStarted() ? BarHeight() : 0, screen.cx, screen.cy};
}

void EmulatorStartShell() {
  const SIZE screen = ScreenSize();
  const RECT bar{0, 0, screen.cx, BarHeight()};
  if (!ShellStarted()) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = TaskBarProc;
    wc.lpszClassName = TaskBarClass;
    RegisterClassW(&wc);
    // From now on the windows go below the task bar, which hears when the active one changes,
    // and the rotate key turns the screen with the bars.
    taskBar =
        CreatePlatformWindow(TaskBarClass, u"", bar, nullptr, PlatformWindow{DrawTaskBar, nullptr, true});
  } else {
    MoveWindow(taskBar, bar.left, bar.top, bar.right, bar.bottom, FALSE);
  }
  ShellLayOutMenuBars();
  RedrawPlatformWindow(taskBar);
}

void ShellScreenTurned() {
  if (!ShellStarted()) return;
  ShellClosePopupMenu();
  ScreenRotate();
  EmulatorStartShell();
  LayOutMessageBoxes();
  ShellLayOutDialogs();
  // The framebuffer came back empty: every program window paints again, and each hears
  // of the turn so it can fit itself to the new screen.
  for (HWND window : WindowList()) {
    if (!IsWindow(window) || window->platformDraw != nullptr || window->shellBar) continue;
    InvalidateRect(window, nullptr, TRUE);
    if (window->parent == nullptr) SendMessageW(window, WM_SETTINGCHANGE, SETTINGCHANGE_RESET, 0);
  }
  for (HWND window : WindowList())
    if (window->platformDraw != nullptr) InvalidateRect(window, nullptr, FALSE);
  DrawPlatformWindows();
}

BOOL SHInitExtraControls() { return TRUE; }

// The device's input panel is absent here, so activation needs nothing of the shell.
BOOL SHHandleWMActivate(HWND, WPARAM, LPARAM, SHACTIVATEINFO*, DWORD) { return TRUE; }

BOOL SHHandleWMSettingChange(HWND window, WPARAM wParam, LPARAM, SHACTIVATEINFO*) {
  if (wParam != SETTINGCHANGE_RESET || !IsWindow(window)) return FALSE;
  RECT work = ShellWorkArea();
  if (HWND menuBar = ShellMenuBarOf(window)) work.bottom -= menuBar->window.bottom - menuBar->window.top;
  return MoveWindow(window, work.left, work.top, work.right - work.left, work.bottom - work.top, TRUE);
}
