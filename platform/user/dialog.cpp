// Dialogs: made from templates in dialog units with their controls, run by the modal loop
// until EndDialog, their controls found by id, the keyboard's focus on one of them. A
// dialog has no frame here: on the handheld its caption shows in the task bar and its face
// is plain white.
#include <algorithm>
#include <vector>

#include "gdi/screen_paint.h"
#include "user/controls.h"
#include "user/dialog_state.h"
#include "user/look.h"
#include "user/modal.h"
#include "user/window.h"

namespace {

// units * base / per, rounded to the nearest with halves away from zero.
LONG Scale(LONG units, LONG base, LONG per) {
  const long long twice = 2LL * units * base;
  const long long rounded = twice >= 0 ? (twice + per) / (2 * per) : -((-twice + per) / (2 * per));
  return static_cast<LONG>(rounded);
}
LONG UnitsAcross(LONG units) { return Scale(units, DialogBaseUnitsNow().cx, 4); }
LONG UnitsDown(LONG units) { return Scale(units, DialogBaseUnitsNow().cy, 8); }

void DrawDialog(HWND window, const RECT& area) { PaintFill(area, window->window, DialogFace); }

LRESULT DialogWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CREATE) {
    window->platformDraw = DrawDialog;
    window->platformData = reinterpret_cast<const CREATESTRUCTW*>(lParam)->lpCreateParams;
    return 0;
  }
  DialogState* state = DialogOf(window);
  const BOOL handled =
      state != nullptr && state->proc != nullptr ? state->proc(window, message, wParam, lParam) : FALSE;
  if (message == WM_DESTROY) {
    if (state != nullptr) state->destroyed = true;
    window->platformData = nullptr;
    return 0;
  }
  if (handled) return handled;
  // Only EndDialog ends a dialog: a close its procedure leaves alone does nothing.
  if (message == WM_CLOSE) return 0;
  return DefWindowProcW(window, message, wParam, lParam);
}

// The control classes, registered before a dialog makes its controls.
void RegisterControlClasses() {
  const struct {
    LPCWSTR name;
    WNDPROC proc;
  } classes[] = {{WC_BUTTON, ButtonProc}, {WC_STATIC, StaticProc}, {WC_COMBOBOX, ComboBoxProc}};
  for (const auto& c : classes) {
    if (FindWindowClass(c.name) != nullptr) continue;
    WNDCLASSW wc{};
    wc.lpfnWndProc = c.proc;
    wc.lpszClassName = c.name;
    RegisterClassW(&wc);
  }
}

bool IsInput(UINT message) {
  return message == WM_LBUTTONDOWN || message == WM_MOUSEMOVE || message == WM_LBUTTONUP ||
         message == WM_KEYDOWN || message == WM_CHAR;
}

// The controls Tab stops at, in template order.
std::vector<HWND> TabStops(HWND dialog) {
  std::vector<HWND> stops;
  for (HWND window : OwnedWindows(dialog))
    if ((window->style & (WS_CHILD | WS_TABSTOP)) == (WS_CHILD | WS_TABSTOP) && window->visible)
      stops.push_back(window);
  return stops;
}

void SetDialogFocus(DialogState& state, HWND control) {
  if (control == state.focus) return;
  if (IsWindow(state.focus)) InvalidateRect(state.focus, nullptr, FALSE);
  state.focus = control;
  if (IsWindow(control)) InvalidateRect(control, nullptr, FALSE);
}

// Tab and Shift+Tab go round the tab stops.
void MoveFocus(HWND dialog, DialogState& state, int step) {
  const std::vector<HWND> stops = TabStops(dialog);
  if (stops.empty()) return;
  const auto at = std::find(stops.begin(), stops.end(), state.focus);
  const int count = static_cast<int>(stops.size());
  const int from = at == stops.end() ? (step > 0 ? -1 : 0) : static_cast<int>(at - stops.begin());
  SetDialogFocus(state, stops[static_cast<size_t>(((from + step) % count + count) % count)]);
}

void RunDialog(HWND dialog, DialogState& state) {
  const auto take = [&](MSG& msg) {
    // The owner and every other window take no input while the dialog is open.
    if (IsInput(msg.message) && !OwnedBy(msg.hwnd, dialog)) return true;
    if (msg.message == WM_KEYDOWN && msg.wParam == VK_RETURN) {
      SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
      return true;
    }
    if (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE) {
      SendMessageW(dialog, WM_CLOSE, 0, 0);
      return true;
    }
    if (msg.message == WM_KEYDOWN && msg.wParam == VK_TAB) {
      MoveFocus(dialog, state, GetKeyState(VK_SHIFT) < 0 ? -1 : 1);
      return true;
    }
    // A tapped control takes the focus; the other keys go to the control that has it.
    if (msg.message == WM_LBUTTONDOWN && msg.hwnd != dialog && msg.hwnd->parent == dialog &&
        (msg.hwnd->style & WS_TABSTOP) != 0)
      SetDialogFocus(state, msg.hwnd);
    if (msg.message == WM_KEYDOWN && IsWindow(state.focus)) msg.hwnd = state.focus;
    return false;
  };
  RunModalLoop(take, [&] { return state.ended || state.destroyed; });
}

}  // namespace

int DialogBoxIndirectParamW(HINSTANCE instance, LPCDLGTEMPLATE dialogTemplate, HWND owner, DLGPROC proc,
                            LPARAM param) {
  if (dialogTemplate == nullptr || proc == nullptr || (owner != nullptr && !IsWindow(owner)) ||
      (dialogTemplate->cdit > 0 && dialogTemplate->items == nullptr))
    return -1;
  WNDCLASSW wc{};
  wc.lpfnWndProc = DialogWndProc;
  wc.lpszClassName = DialogClass;
  RegisterClassW(&wc);
  RegisterControlClasses();

  // Placed by its template in the owner's client area, or below the task bar.
  const RECT work = WorkArea();
  const POINT origin =
      owner != nullptr ? POINT{owner->client.left, owner->client.top} : POINT{work.left, work.top};
  const DLGTEMPLATE& t = *dialogTemplate;
  DialogState state{};
  HWND dialog = CreateWindowExW(t.dwExtendedStyle, DialogClass, t.title, t.style & ~(WS_VISIBLE | WS_CHILD),
                                origin.x + UnitsAcross(t.x), origin.y + UnitsDown(t.y), UnitsAcross(t.cx),
                                UnitsDown(t.cy), owner, nullptr, instance, &state);
  if (dialog == nullptr) return -1;
  for (WORD i = 0; i < t.cdit; ++i) {
    const DLGITEMTEMPLATE& item = t.items[i];
    HMENU id = reinterpret_cast<HMENU>(static_cast<uintptr_t>(item.id));
    if (CreateWindowExW(item.dwExtendedStyle, item.windowClass, item.title, item.style | WS_CHILD,
                        UnitsAcross(item.x), UnitsDown(item.y), UnitsAcross(item.cx), UnitsDown(item.cy),
                        dialog, id, instance, nullptr) == nullptr) {
      DestroyWindow(dialog);
      return -1;
    }
  }

  state.proc = proc;
  // A procedure that returns TRUE leaves the focus to the dialog: its first tab stop.
  if (SendMessageW(dialog, WM_INITDIALOG, 0, param) != 0 && !state.destroyed) MoveFocus(dialog, state, 1);
  if (!state.ended && !state.destroyed) {
    ShowWindow(dialog, SW_SHOW);
    RunDialog(dialog, state);
  }
  const int result = state.ended ? state.result : 0;
  if (!state.destroyed) DestroyWindow(dialog);
  return result;
}

BOOL EndDialog(HWND dialog, int result) {
  DialogState* state = DialogOf(dialog);
  if (state == nullptr) return FALSE;
  state->ended = true;
  state->result = result;
  return TRUE;
}

HWND GetDlgItem(HWND dialog, int id) {
  if (!IsWindow(dialog)) return nullptr;
  for (HWND window : OwnedWindows(dialog))
    if ((window->style & WS_CHILD) != 0 && window->id == static_cast<WORD>(id)) return window;
  return nullptr;
}

BOOL MapDialogRect(HWND dialog, LPRECT rect) {
  if (!IsWindow(dialog) || rect == nullptr) return FALSE;
  *rect =
      RECT{UnitsAcross(rect->left), UnitsDown(rect->top), UnitsAcross(rect->right), UnitsDown(rect->bottom)};
  return TRUE;
}

LONG GetDialogBaseUnits() {
  const SIZE base = DialogBaseUnitsNow();
  return static_cast<LONG>(MAKELPARAM(static_cast<WORD>(base.cx), static_cast<WORD>(base.cy)));
}
