// The drop-down list combo box: a box showing the chosen item with a drop arrow, and the
// bordered list a tap opens, which runs until an item is chosen or a tap lands elsewhere.
// With the focus, Up and Down choose the item before or after, and Alt+Down opens the list.
#include <algorithm>

#include "host/screen.h"
#include "user/controls.h"
#include "user/dialog_state.h"
#include "user/look.h"
#include "user/modal.h"
#include "user/window.h"

namespace {

constexpr LPCWSTR ListClass = u"ComboLBox";

struct List {
  HWND combo;
  int highlighted;
};

// The box is a text line high with room around it; the items a little less.
LONG BoxHeight() { return DialogBaseUnitsNow().cy + 8 * LookScale(); }
LONG ItemHeight() { return DialogBaseUnitsNow().cy + 4 * LookScale(); }

void PaintArrow(const RECT& clip, LONG centreX, LONG centreY) {
  const LONG half = 4 * LookScale();
  for (LONG i = 0; i < half; ++i) {
    const LONG y = centreY - half / 2 + i;
    PaintFill(clip, RECT{centreX - half + i, y, centreX + half - i, y + 1}, ControlText);
  }
}

void DrawComboBox(HWND window, const RECT& area) {
  const Control* control = ControlOf(window);
  if (control == nullptr) return;
  const RECT& r = window->window;
  const int s = LookScale();
  const RECT button{r.right - s - 16 * s, r.top + s, r.right - s, r.bottom - s};
  PaintFill(area, r, ControlFace);
  PaintFrame(area, r, ControlFrame, s);
  PaintGradient(area, button, BarTop, BarBottom);
  PaintFill(area, RECT{button.left - s, button.top, button.left, button.bottom}, ControlFrame);
  PaintArrow(area, (button.left + button.right) / 2, (button.top + button.bottom) / 2);
  // With the focus the chosen item shows in the selection colours.
  const RECT row{r.left + s, r.top + s, button.left - s, r.bottom - s};
  const bool focus = HasFocus(window);
  if (focus) PaintFill(area, RECT{row.left + s, row.top + s, row.right - s, row.bottom - s}, ChosenFace);
  if (control->selected >= 0)
    PaintRowText(area, row, r.left + 4 * s, control->items[static_cast<size_t>(control->selected)].c_str(),
                 focus ? ChosenText : ControlText);
}

void DrawList(HWND window, const RECT& area) {
  const List* list = static_cast<const List*>(window->platformData);
  const Control* control = list != nullptr ? ControlOf(list->combo) : nullptr;
  if (control == nullptr) return;
  const RECT& r = window->window;
  const int s = LookScale();
  PaintFill(area, r, ControlFace);
  PaintFrame(area, r, ControlFrame, s);
  for (size_t i = 0; i < control->items.size(); ++i) {
    const LONG top = r.top + s + static_cast<LONG>(i) * ItemHeight();
    const RECT row{r.left + s, top, r.right - s, top + ItemHeight()};
    const bool lit = static_cast<int>(i) == list->highlighted;
    if (lit) PaintFill(area, row, ChosenFace);
    PaintRowText(area, row, r.left + 4 * s, control->items[i].c_str(), lit ? ChosenText : ControlText);
  }
}

bool EqualRect(const RECT& a, const RECT& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

LRESULT ListProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) {
    delete static_cast<List*>(window->platformData);
    window->platformData = nullptr;
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

void Choose(HWND combo, int item) {
  Control* control = ControlOf(combo);
  if (control == nullptr || item < 0 || item >= static_cast<int>(control->items.size()) ||
      item == control->selected)
    return;
  control->selected = item;
  InvalidateRect(combo, nullptr, FALSE);
  NotifyParent(combo, CBN_SELCHANGE);
}

// Opens the list below the box, or above it when the screen has no room below, and runs it
// like the device's lists: a tap on an item chooses it, a tap elsewhere or Escape closes
// the list and goes no further, the arrow keys and Enter choose too. Meanwhile the other
// windows get their messages but no input.
void DropDown(HWND combo) {
  const Control* control = ControlOf(combo);
  if (control == nullptr || control->items.empty()) return;
  const int count = static_cast<int>(control->items.size());
  const int s = LookScale();
  const LONG height = count * ItemHeight() + 2 * s;
  const RECT& box = combo->window;
  RECT place{box.left, box.bottom, box.right, box.bottom + height};
  if (place.bottom > ScreenSize().cy && box.top - height >= WorkArea().top)
    place = RECT{box.left, box.top - height, box.right, box.top};

  WNDCLASSW wc{};
  wc.lpfnWndProc = ListProc;
  wc.lpszClassName = ListClass;
  RegisterClassW(&wc);
  List* list = new List{combo, control->selected};
  HWND window = CreatePlatformWindow(ListClass, u"", place, combo, PlatformWindow{DrawList, list, true});
  if (window == nullptr) {
    delete list;
    return;
  }
  RedrawPlatformWindow(window);

  HWND dialog = combo->parent;
  const RECT opened = combo->window;
  int chosen = -1;
  bool closing = false;
  const auto take = [&](MSG& msg) {
    switch (msg.message) {
      case WM_LBUTTONDOWN:
        closing = true;
        if (msg.hwnd == window) {
          const int at = (static_cast<int>(HIWORD(msg.lParam)) - s) / static_cast<int>(ItemHeight());
          if (at >= 0 && at < count) chosen = at;
        }
        return true;
      case WM_KEYDOWN:
        if (msg.wParam == VK_ESCAPE) closing = true;
        if (msg.wParam == VK_RETURN) {
          chosen = list->highlighted;
          closing = true;
        }
        // Alt with an arrow closes the list as Enter does.
        if ((msg.wParam == VK_UP || msg.wParam == VK_DOWN) && GetKeyState(VK_MENU) < 0) {
          chosen = list->highlighted;
          closing = true;
        } else if (msg.wParam == VK_UP || msg.wParam == VK_DOWN) {
          const int step = msg.wParam == VK_UP ? -1 : 1;
          list->highlighted = std::clamp(list->highlighted < 0 ? 0 : list->highlighted + step, 0, count - 1);
          RedrawPlatformWindow(window);
        }
        return true;
      case WM_CHAR:
      case WM_HELP: return true;
      default: return false;
    }
  };
  // The dialog may end meanwhile (its close button), or move (the screen turned).
  RunModalLoop(take, [&] {
    return closing || !IsWindow(window) || !IsWindow(combo) || DialogEnded(dialog) ||
           !EqualRect(opened, combo->window);
  });
  if (IsWindow(window)) DestroyWindow(window);
  Choose(combo, chosen);
}

// Up and Down choose the item before or after the chosen one, stopping at the ends; Alt
// with Down or Up opens the list.
void Key(HWND combo, WPARAM key) {
  const Control* control = ControlOf(combo);
  if (control == nullptr || (key != VK_UP && key != VK_DOWN)) return;
  if (GetKeyState(VK_MENU) < 0) {
    DropDown(combo);
    return;
  }
  Choose(combo, control->selected < 0 ? 0 : control->selected + (key == VK_UP ? -1 : 1));
}

bool Dropped(HWND combo) {
  for (HWND window : OwnedWindows(combo))
    if (window->className == ListClass) return true;
  return false;
}

}  // namespace

LRESULT ComboBoxProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  Control* control = ControlOf(window);
  switch (message) {
    case WM_CREATE:
      MakeControl(window, lParam, DrawComboBox);
      // The template's height is the box's with its list open; the box itself is a line.
      window->window.bottom = window->window.top + BoxHeight();
      window->client = window->window;
      return 0;
    case WM_DESTROY: FreeControl(window); return 0;
    case WM_LBUTTONDOWN: DropDown(window); return 0;
    case WM_KEYDOWN: Key(window, wParam); return 0;
    case CB_ADDSTRING:
      if (control == nullptr || lParam == 0) return CB_ERR;
      control->items.push_back(reinterpret_cast<LPCWSTR>(lParam));
      return static_cast<LRESULT>(control->items.size()) - 1;
    case CB_GETCOUNT: return control != nullptr ? static_cast<LRESULT>(control->items.size()) : CB_ERR;
    case CB_GETCURSEL: return control != nullptr && control->selected >= 0 ? control->selected : CB_ERR;
    case CB_SETCURSEL:
      if (control == nullptr) return CB_ERR;
      control->selected = wParam < control->items.size() ? static_cast<int>(wParam) : -1;
      InvalidateRect(window, nullptr, FALSE);
      return control->selected >= 0 ? control->selected : CB_ERR;
    case CB_GETLBTEXT: {
      if (control == nullptr || wParam >= control->items.size() || lParam == 0) return CB_ERR;
      const std::u16string& item = control->items[wParam];
      std::copy(item.begin(), item.end(), reinterpret_cast<LPWSTR>(lParam));
      reinterpret_cast<LPWSTR>(lParam)[item.size()] = 0;
      return static_cast<LRESULT>(item.size());
    }
    case CB_GETDROPPEDSTATE: return Dropped(window) ? TRUE : FALSE;
    default: return DefWindowProcW(window, message, wParam, lParam);
  }
}
