// The Pocket PC shell on the emulated screen: the task bar along the top showing the
// active window's title, the screen below it for programs, turning the screen, and the
// help viewer's word when the desktop has no browser to show a help page.
#include "shell/shell.h"

#include <memory>
#include <string>
#include <vector>

#include "gdi/screen_paint.h"
#include "host/events.h"
#include "host/path.h"
#include "host/screen.h"
#include "platform/aygshell.h"
#include "platform/emulator.h"
#include "platform/wingdi.h"
#include "user/look.h"
#include "user/msgbox.h"
#include "user/window.h"

namespace {

HWND taskBar = nullptr;

// Posted to the task bar when a help page could not be shown; lParam owns a HelpPage.
constexpr UINT WM_HELPNOTSHOWN = WM_USER + 1;

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

// What the help viewer could not show, and why: no browser was found (an empty name), or
// the one named failed.
struct HelpPage {
  std::string path, browser;
};

// Over the program, captioned with its title, so the player can open the page by hand. The
// path stays whole on its line: its spaces do not break.
void TellWhereTheHelpIs(const HelpPage& page) {
  HWND program = ProgramWindow();
  std::u16string path = DeviceFromUtf8(page.path);
  for (char16_t& c : path)
    if (c == u' ') c = u'\u00A0';
  const std::u16string why = page.browser.empty()
                                 ? u"no web browser was found to show it"
                                 : u"the web browser (" + DeviceFromUtf8(page.browser) + u") failed to start";
  const std::u16string text = u"The help page could not be opened: " + why + u". The page is here:\n" + path;
  MessageBoxW(program, text.c_str(), program != nullptr ? program->title.c_str() : u"Help", MB_OK);
}

LRESULT TaskBarProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY && window == taskBar) taskBar = nullptr;
  if (message == WM_HELPNOTSHOWN) {
    const std::unique_ptr<HelpPage> page(reinterpret_cast<HelpPage*>(lParam));
    TellWhereTheHelpIs(*page);
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

// The viewer reports from a thread of its own; the box is shown by the program's thread
// when it next takes a message, never in the middle of a move.
void PostHelpNotShown(void* page) {
  if (taskBar == nullptr || !PostMessageW(taskBar, WM_HELPNOTSHOWN, 0, reinterpret_cast<LPARAM>(page)))
    delete static_cast<HelpPage*>(page);
}

void Redraw(HWND window) {
  if (window == nullptr || !IsWindow(window) || !window->visible) return;
  window->platformDraw(window, window->window);
  WindowOutputDone(window, window->window);
}

}  // namespace

void ShellActiveWindowChanged() {
  if (ShellStarted()) Redraw(taskBar);
}

void ShellHelpNotShown(const std::string& page, const std::string& browser) {
  HelpPage* copy = new HelpPage{page, browser};
  if (!DesktopCallOnProgramThread(PostHelpNotShown, copy)) delete copy;
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
  Redraw(taskBar);
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
  const std::vector<HWND> windows = WindowStack;
  for (HWND window : windows) {
    if (!IsWindow(window) || window->platformDraw != nullptr || window->shellBar) continue;
    InvalidateRect(window, nullptr, TRUE);
    if (window->parent == nullptr) SendMessageW(window, WM_SETTINGCHANGE, SETTINGCHANGE_RESET, 0);
  }
  for (HWND window : WindowStack)
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
