// The shell's part in Pocket PC dialogs: fitting them to the screen below the task bar,
// the round "ok" button on the task bar that ends them, and their empty menu bar.
#include "shell/shell_dialog.h"

#include <vector>

#include "gdi/screen_paint.h"
#include "host/screen.h"
#include "platform/aygshell.h"
#include "shell/menubar.h"
#include "shell/task_bar.h"
#include "user/dialog_state.h"
#include "user/look.h"
#include "user/window.h"

namespace {

constexpr LPCWSTR DoneButtonClass = u"DoneButton";

// A rounded button as high as the task bar allows, wide enough for its label.
LONG PillHeight() { return BarHeight() - 7 * LookScale(); }
LONG PillWidth() { return MeasureText(u"ok", BoldText).cx + PillHeight(); }

// At the task bar's right end, above its bottom edge.
RECT DonePlace() {
  const int s = LookScale();
  const LONG right = ScreenSize().cx - 2 * s;
  return RECT{right - PillWidth() - 6 * s, 0, right, BarHeight() - s};
}

// A disc at each end and the space between them filled.
void PaintPill(const RECT& clip, const RECT& r, COLORREF colour) {
  const LONG d = r.bottom - r.top;
  PaintDisc(clip, RECT{r.left, r.top, r.left + d, r.bottom}, colour);
  PaintDisc(clip, RECT{r.right - d, r.top, r.right, r.bottom}, colour);
  PaintFill(clip, RECT{r.left + d / 2, r.top, r.right - d / 2, r.bottom}, colour);
}

void DrawDoneButton(HWND window, const RECT& area) {
  const RECT& r = window->window;
  // The task bar shows around the button.
  HWND bar = FindWindowW(TaskBarClass, nullptr);
  if (bar != nullptr && bar->platformDraw != nullptr) bar->platformDraw(bar, RectIntersect(area, r));
  const int s = LookScale();
  const LONG width = PillWidth(), height = PillHeight();
  const LONG left = (r.left + r.right - width) / 2, top = (r.top + r.bottom - height) / 2;
  const RECT pill{left, top, left + width, top + height};
  PaintPill(area, pill, DoneRing);
  PaintPill(area, RECT{pill.left + s, pill.top + s, pill.right - s, pill.bottom - s}, DoneFace);
  const SIZE label = MeasureText(u"ok", BoldText);
  PaintText(RectIntersect(area, pill), (pill.left + pill.right - label.cx) / 2,
            (pill.top + pill.bottom - label.cy) / 2, u"ok", DoneLabel, BoldText);
}

LRESULT DoneButtonProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_LBUTTONDOWN) {
    PostMessageW(window->parent, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

void PlaceDoneButton(HWND button) {
  const RECT place = DonePlace();
  MoveWindow(button, place.left, place.top, place.right - place.left, place.bottom - place.top, FALSE);
}

// The screen below the task bar.
void FitDialogToScreen(HWND dialog) {
  const RECT work = WorkArea();
  MoveWindow(dialog, work.left, work.top, work.right - work.left, work.bottom - work.top, TRUE);
}

}  // namespace

BOOL SHInitDialog(SHINITDLGINFO* info) {
  if (info == nullptr || (info->dwMask & SHIDIM_FLAGS) == 0) return FALSE;
  HWND dialog = info->hDlg;
  DialogState* state = DialogOf(dialog);
  if (state == nullptr) return FALSE;
  const DWORD flags = info->dwFlags;
  // Without an input panel, sized for it and full screen are the same.
  if ((flags & (SHIDIF_SIZEDLG | SHIDIF_SIZEDLGFULLSCREEN)) != 0) {
    state->fullScreen = true;
    FitDialogToScreen(dialog);
  }
  // The button sits on the task bar: without one (the shell not started) there is none.
  if ((flags & SHIDIF_DONEBUTTON) != 0 && state->doneButton == nullptr &&
      FindWindowW(TaskBarClass, nullptr) != nullptr) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = DoneButtonProc;
    wc.lpszClassName = DoneButtonClass;
    RegisterClassW(&wc);
    state->doneButton = CreatePlatformWindow(DoneButtonClass, u"", DonePlace(), dialog,
                                             PlatformWindow{DrawDoneButton, nullptr, true});
  }
  if ((flags & SHIDIF_EMPTYMENU) != 0 && ShellMenuBarOf(dialog) == nullptr) {
    SHMENUBARINFO menuBar{};
    menuBar.cbSize = SHMENUBARINFO_SIZE;
    menuBar.hwndParent = dialog;
    menuBar.dwFlags = SHCMBF_EMPTYBAR;
    SHCreateMenuBar(&menuBar);
  }
  return TRUE;
}

void ShellLayOutDialogs() {
  for (HWND window : OpenDialogs()) {
    const DialogState* state = DialogOf(window);
    if (state == nullptr) continue;
    HWND doneButton = state->doneButton;
    if (state->fullScreen) FitDialogToScreen(window);
    if (IsWindow(doneButton)) PlaceDoneButton(doneButton);
  }
}
