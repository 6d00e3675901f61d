// The shell's menu bar: soft keys along the bottom of the screen, built from a menu-bar
// resource, and the popup menu a drop-down key opens, which runs until an item is chosen
// or a tap lands elsewhere. The keyboard presses the soft keys of the active window's bar:
// F9 the left one, F10 and the Menu key the right one.
#include "shell/menubar.h"

#include <algorithm>
#include <string>
#include <vector>

#include "gdi/screen_paint.h"
#include "host/screen.h"
#include "platform/aygshell.h"
#include "platform/winbase.h"
#include "platform/winuser.h"
#include "user/look.h"
#include "user/modal.h"
#include "user/window.h"

namespace {

constexpr LPCWSTR MenuBarClass = u"menu_worker";
constexpr LPCWSTR PopupClass = u"MNU";

// Posted to a bar whose soft key the keyboard pressed: wParam the key, 0 the left one.
constexpr UINT WM_SOFTKEY = WM_USER + 0x100;

struct SoftKey {
  WORD command;
  WORD style;
  WORD popup;  // index of the popup in the bar's menu, or NOMENU
  std::u16string label;
};

struct MenuBar {
  HINSTANCE module;
  WORD menuId;
  std::vector<SoftKey> keys;
  int pressed = -1;  // the key whose popup is open
};

struct MenuItem {
  WORD id;
  bool separator;
  std::u16string text;
};

struct Popup {
  std::vector<MenuItem> items;
  int highlighted = -1;  // chosen by the arrow keys
};

std::vector<HWND> menuBars;
HWND openPopup = nullptr;

MenuBar& BarOf(HWND bar) { return *static_cast<MenuBar*>(bar->platformData); }

RECT KeyRect(HWND bar, size_t key) {
  const RECT& r = bar->window;
  const LONG count = static_cast<LONG>(BarOf(bar).keys.size());
  const LONG width = r.right - r.left;
  const LONG k = static_cast<LONG>(key);
  return RECT{r.left + width * k / count, r.top, r.left + width * (k + 1) / count, r.bottom};
}

void DrawMenuBar(HWND bar, const RECT& area) {
  const RECT& r = bar->window;
  const int s = LookScale();
  const MenuBar& data = BarOf(bar);
  PaintGradient(area, r, BarTop, BarBottom);
  PaintFill(area, RECT{r.left, r.top, r.right, r.top + s}, BarEdge);
  for (size_t i = 0; i < data.keys.size(); ++i) {
    const RECT key = KeyRect(bar, i);
    const bool pressed = static_cast<int>(i) == data.pressed;
    if (pressed) PaintFill(area, RECT{key.left, key.top + s, key.right, key.bottom}, ChosenFace);
    if (i > 0) PaintFill(area, RECT{key.left, key.top + 5 * s, key.left + s, key.bottom - 4 * s}, BarEdge);
    const SIZE size = MeasureText(data.keys[i].label.c_str(), BoldText);
    PaintText(RectIntersect(area, key), (key.left + key.right - size.cx) / 2,
              key.top + s + (key.bottom - key.top - s - size.cy) / 2, data.keys[i].label.c_str(),
              pressed ? ChosenText : KeyText, BoldText);
  }
}

// The items of one popup of a menu resource: the items after its MF_POPUP entry, down to
// the entry that ends its level.
std::vector<MenuItem> PopupItems(HINSTANCE module, WORD menuId, WORD index) {
  std::vector<MenuItem> items;
  HRSRC found = FindResourceW(module, MAKEINTRESOURCE(menuId), RT_MENU);
  if (found == nullptr) return items;
  const auto* entries = static_cast<const MENUTEMPLATEITEM*>(LockResource(LoadResource(module, found)));
  const size_t count = SizeofResource(module, found) / sizeof(MENUTEMPLATEITEM);
  // Each open level remembers whether the popup that opened it ended its own level too.
  std::vector<bool> openedByLast;
  int popup = -1;  // which top-level popup
  for (size_t i = 0; i < count && entries != nullptr; ++i) {
    const MENUTEMPLATEITEM& item = entries[i];
    const size_t depth = openedByLast.size();
    if (depth == 1 && popup == index)
      items.push_back(MenuItem{item.id, (item.flags & MF_SEPARATOR) != 0 || item.text == nullptr,
                               item.text == nullptr ? u"" : item.text});
    if ((item.flags & MF_POPUP) != 0) {
      if (depth == 0) ++popup;
      openedByLast.push_back((item.flags & MF_END) != 0);
      continue;
    }
    if ((item.flags & MF_END) == 0) continue;
    if (depth == 0) break;
    while (!openedByLast.empty()) {
      const bool last = openedByLast.back();
      openedByLast.pop_back();
      if (!last) break;
    }
  }
  return items;
}

int ItemHeight(const MenuItem& item) {
  const int s = LookScale();
  return item.separator ? 7 * s : MeasureText(u"Mg", PlainText).cy + 10 * s;
}

void DrawPopup(HWND window, const RECT& area) {
  const RECT& r = window->window;
  const int s = LookScale();
  const Popup& popup = *static_cast<Popup*>(window->platformData);
  PaintFill(area, r, MenuFace);
  PaintFrame(area, r, MenuFrame, s);
  int y = r.top + s;
  for (size_t i = 0; i < popup.items.size(); ++i) {
    const MenuItem& item = popup.items[i];
    const int height = ItemHeight(item);
    if (item.separator) {
      PaintFill(area, RECT{r.left + 4 * s, y + height / 2, r.right - 4 * s, y + height / 2 + s},
                MenuSeparator);
    } else {
      const bool lit = static_cast<int>(i) == popup.highlighted;
      const RECT row{r.left + s, y, r.right - s, y + height};
      if (lit) PaintFill(area, row, ChosenFace);
      const SIZE size = MeasureText(item.text.c_str(), PlainText);
      PaintText(RectIntersect(area, row), r.left + 12 * s, y + (height - size.cy) / 2, item.text.c_str(),
                lit ? ChosenText : MenuText, PlainText);
    }
    y += height;
  }
}

int ItemAt(HWND window, int y) {
  const Popup& popup = *static_cast<Popup*>(window->platformData);
  int top = LookScale();
  for (size_t i = 0; i < popup.items.size(); ++i) {
    const int height = ItemHeight(popup.items[i]);
    if (y >= top && y < top + height) return static_cast<int>(i);
    top += height;
  }
  return -1;
}

void MoveHighlight(HWND window, int step) {
  Popup& popup = *static_cast<Popup*>(window->platformData);
  const int count = static_cast<int>(popup.items.size());
  int at = popup.highlighted;
  for (int tries = 0; tries < count; ++tries) {
    at = at < 0 ? (step > 0 ? 0 : count - 1) : (at + step + count) % count;
    if (!popup.items[static_cast<size_t>(at)].separator) break;
  }
  popup.highlighted = at;
  RedrawPlatformWindow(window);
}

LRESULT PopupProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) {
    delete static_cast<Popup*>(window->platformData);
    window->platformData = nullptr;
    if (window == openPopup) openPopup = nullptr;
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

// Opens a key's popup above the bar and runs it like the device's menus: until an item is
// chosen (its command is posted to the bar's owner), or a tap outside, Escape or a soft key
// closes it. Meanwhile other windows get their messages, but no input. Opened by the
// keyboard, its first item is lit, so Enter chooses it.
void TrackPopup(HWND bar, size_t key, bool byKeyboard) {
  MenuBar& data = BarOf(bar);
  std::vector<MenuItem> items = PopupItems(data.module, data.menuId, data.keys[key].popup);
  if (items.empty()) return;
  const int s = LookScale();
  LONG width = 96 * s, height = 2 * s;
  for (const MenuItem& item : items) {
    width = std::max<LONG>(width, MeasureText(item.text.c_str(), PlainText).cx + 36 * s);
    height += ItemHeight(item);
  }
  const SIZE screen = ScreenSize();
  const RECT keyRect = KeyRect(bar, key);
  const LONG right = std::min<LONG>(keyRect.right, screen.cx);
  const LONG left = std::max<LONG>(0, right - width);
  const RECT place{left, bar->window.top - height, left + width, bar->window.top};

  WNDCLASSW wc{};
  wc.lpfnWndProc = PopupProc;
  wc.lpszClassName = PopupClass;
  RegisterClassW(&wc);
  HWND popup =
      CreatePlatformWindow(PopupClass, u"", place, bar, PlatformWindow{DrawPopup, new Popup{items}, true});
  if (popup == nullptr) return;
  openPopup = popup;
  if (byKeyboard) MoveHighlight(popup, 1);
  data.pressed = static_cast<int>(key);
  RedrawPlatformWindow(bar);
  RedrawPlatformWindow(popup);

  HWND owner = bar->parent;
  WORD chosen = 0;
  bool closing = false;
  const auto take = [&](MSG& msg) {
    // Closed from outside (the screen turned): the message goes its way, and the loop ends.
    if (!IsWindow(popup)) return false;
    switch (msg.message) {
      case WM_LBUTTONDOWN:
        if (msg.hwnd != popup) {
          closing = true;  // a tap elsewhere closes the menu and goes no further
        } else {
          const int at = ItemAt(popup, HIWORD(msg.lParam));
          if (at >= 0 && !items[static_cast<size_t>(at)].separator) {
            chosen = items[static_cast<size_t>(at)].id;
            closing = true;
          }
        }
        return true;
      case WM_KEYDOWN:
        if (msg.wParam == VK_ESCAPE) closing = true;
        if (msg.wParam == VK_UP) MoveHighlight(popup, -1);
        if (msg.wParam == VK_DOWN) MoveHighlight(popup, 1);
        if (msg.wParam == VK_RETURN) {
          const int lit = static_cast<Popup*>(popup->platformData)->highlighted;
          if (lit >= 0) chosen = items[static_cast<size_t>(lit)].id;
          closing = lit >= 0;
        }
        return true;
      case WM_SOFTKEY:
        if (msg.hwnd != bar) return false;
        closing = true;
        return true;
      case WM_CHAR:
      case WM_HELP: return true;
      default: return false;
    }
  };
  RunModalLoop(take, [&] { return closing || !IsWindow(popup); });
  if (IsWindow(popup)) DestroyWindow(popup);
  if (IsWindow(bar)) {
    BarOf(bar).pressed = -1;
    RedrawPlatformWindow(bar);
  }
  if (chosen != 0 && IsWindow(owner)) PostMessageW(owner, WM_COMMAND, MAKEWPARAM(chosen, 0), 0);
}

// A soft key pressed: a drop-down key opens its popup, any other sends its command.
void Press(HWND bar, size_t key, bool byKeyboard) {
  const MenuBar& data = BarOf(bar);
  if ((data.keys[key].style & TBSTYLE_DROPDOWN) != 0)
    TrackPopup(bar, key, byKeyboard);
  else if (IsWindow(bar->parent))
    PostMessageW(bar->parent, WM_COMMAND, MAKEWPARAM(data.keys[key].command, 0),
                 reinterpret_cast<LPARAM>(bar));
}

LRESULT MenuBarProc(HWND bar, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_LBUTTONDOWN: {
      const MenuBar& data = BarOf(bar);
      const LONG x = bar->window.left + LOWORD(lParam);
      for (size_t i = 0; i < data.keys.size(); ++i) {
        const RECT key = KeyRect(bar, i);
        if (x < key.left || x >= key.right) continue;
        Press(bar, i, false);
        break;
      }
      return 0;
    }
    case WM_SOFTKEY:
      if (wParam < BarOf(bar).keys.size()) Press(bar, wParam, true);
      return 0;
    case WM_DESTROY:
      menuBars.erase(std::remove(menuBars.begin(), menuBars.end(), bar), menuBars.end());
      delete static_cast<MenuBar*>(bar->platformData);
      bar->platformData = nullptr;
      return 0;
    default: return DefWindowProcW(bar, message, wParam, lParam);
  }
}

RECT BarPlace() {
  const SIZE screen = ScreenSize();
  return RECT{0, screen.cy - BarHeight(), screen.cx, screen.cy};
}

}  // namespace

BOOL SHCreateMenuBar(SHMENUBARINFO* info) {
  // As on the handheld: the shell knows the record by the size it had there, and refuses a
  // record of any other size, though the desktop's is larger; the program says the device's.
  if (info == nullptr || info->cbSize != SHMENUBARINFO_SIZE || !IsWindow(info->hwndParent)) return FALSE;
  info->hwndMB = nullptr;
  HINSTANCE module = info->hInstRes;
  MenuBar* data = new MenuBar{module, 0, {}};
  if ((info->dwFlags & SHCMBF_EMPTYBAR) == 0) {
    HRSRC found = FindResourceW(module, MAKEINTRESOURCE(static_cast<WORD>(info->nToolBarId)), RT_RCDATA);
    const auto* words = static_cast<const WORD*>(LockResource(LoadResource(module, found)));
    const size_t count = SizeofResource(module, found) / sizeof(WORD);
    if (words == nullptr || count < 2 || count < 2 + 7 * static_cast<size_t>(words[1]) || words[1] == 0) {
      delete data;
      return FALSE;
    }
    data->menuId = words[0];
    for (size_t i = 0; i < words[1]; ++i) {
      const WORD* button = words + 2 + 7 * i;
      WCHAR label[100];
      LoadStringW(module, button[4], label, 100);
      data->keys.push_back(SoftKey{button[1], button[3], button[6], label});
    }
  }
  WNDCLASSW wc{};
  wc.lpfnWndProc = MenuBarProc;
  wc.lpszClassName = MenuBarClass;
  RegisterClassW(&wc);
  HWND bar = CreatePlatformWindow(MenuBarClass, u"", BarPlace(), info->hwndParent,
                                  PlatformWindow{DrawMenuBar, data, true});
  if (bar == nullptr) {
    delete data;
    return FALSE;
  }
  menuBars.push_back(bar);
  RedrawPlatformWindow(bar);
  info->hwndMB = bar;
  return TRUE;
}

// F9 presses the left soft key of the active window's bar, F10 and the Menu key the right
// one. A bar without keys (a dialog's) takes none.
bool ShellTakeSoftKey(HWND active, int virtualKey) {
  if (virtualKey != VK_F9 && virtualKey != VK_F10 && virtualKey != VK_APPS) return false;
  HWND bar = ShellMenuBarOf(active);
  if (bar == nullptr || BarOf(bar).keys.empty()) return false;
  const size_t key = virtualKey == VK_F9 ? 0 : BarOf(bar).keys.size() - 1;
  PostMessageW(bar, WM_SOFTKEY, key, 0);
  return true;
}

HWND ShellMenuBarOf(HWND owner) {
  for (HWND bar : menuBars)
    if (bar->parent == owner) return bar;
  return nullptr;
}

void ShellLayOutMenuBars() {
  const RECT place = BarPlace();
  for (HWND bar : menuBars) {
    MoveWindow(bar, place.left, place.top, place.right - place.left, place.bottom - place.top, FALSE);
    RedrawPlatformWindow(bar);
  }
}

void ShellClosePopupMenu() {
  if (openPopup == nullptr) return;
  HWND bar = openPopup->parent;
  DestroyWindow(openPopup);
  // The menu's loop is waiting for a message: this one lets it see the menu is gone.
  PostMessageW(bar, WM_NULL, 0, 0);
}

RECT ShellPopupMenuItem(HWND popup, int index) {
  if (popup == nullptr || popup != openPopup || index < 0) return RECT{0, 0, 0, 0};
  const Popup& data = *static_cast<Popup*>(popup->platformData);
  LONG top = popup->window.top + LookScale();
  for (int i = 0; i < static_cast<int>(data.items.size()); ++i) {
    const LONG height = ItemHeight(data.items[static_cast<size_t>(i)]);
    if (i == index) return RECT{popup->window.left, top, popup->window.right, top + height};
    top += height;
  }
  return RECT{0, 0, 0, 0};
}
