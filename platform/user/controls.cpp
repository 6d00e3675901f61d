// Dialog controls drawn by the platform: the automatic check box and the static (a line
// of text or a picture), with what all controls share. The combo box is in combobox.cpp.
#include "user/controls.h"

#include <algorithm>
#include <cstdlib>
#include <iterator>

#include "gdi/gdi.h"
#include "host/font.h"
#include "host/screen.h"
#include "user/dialog_state.h"
#include "user/look.h"
#include "user/window.h"

namespace {

constexpr DWORD SS_TYPEMASK = 0x001F;
constexpr DWORD BS_TYPEMASK = 0x000F;

// The text a control shows: an "&" marks the next letter as the control's key on the
// device, which draws it underlined; here the mark is left out.
std::u16string Shown(LPCWSTR text, bool prefix) {
  std::u16string shown;
  for (size_t i = 0; text != nullptr && text[i] != 0; ++i) {
    if (prefix && text[i] == u'&') {
      if (text[i + 1] != u'&') continue;
      ++i;
    }
    shown += text[i];
  }
  return shown;
}

bool Prefixed(HWND window) {
  if (window->className == WC_STATIC) return (window->style & SS_NOPREFIX) == 0;
  return true;
}

// A tick in a box of 13 by 13 (times the screen's scale): two strokes two pixels wide.
void PaintTick(const RECT& clip, const RECT& box, COLORREF colour) {
  const int s = LookScale();
  const POINT stroke[] = {{3, 6}, {5, 8}, {9, 4}};
  for (size_t k = 0; k + 1 < std::size(stroke); ++k) {
    const POINT from = stroke[k], to = stroke[k + 1];
    const int steps = std::abs(to.x - from.x);
    for (int i = 0; i <= steps; ++i) {
      const LONG x = box.left + (from.x + i) * s;
      const LONG y = box.top + (from.y + (to.y > from.y ? i : -i)) * s;
      PaintFill(clip, RECT{x, y, x + 2 * s, y + 2 * s}, colour);
    }
  }
}

// With the focus, a frame in the selection colour goes round the text.
void DrawCheckBox(HWND window, const RECT& area) {
  const Control* control = ControlOf(window);
  if (control == nullptr) return;
  const RECT& r = window->window;
  const int s = LookScale();
  const LONG side = 13 * s;
  const LONG top = r.top + (r.bottom - r.top - side) / 2;
  const RECT box{r.left, top, r.left + side, top + side};
  const LONG textLeft = box.right + 5 * s;
  PaintFill(area, r, ControlFace);
  PaintFrame(area, box, ControlText, s);
  if (control->check == BST_CHECKED) PaintTick(area, box, ControlText);
  PaintRowText(area, r, textLeft, control->text.c_str(), ControlText);
  if (HasFocus(window)) {
    const LONG right =
        std::min<LONG>(r.right, textLeft + MeasureText(control->text.c_str(), PlainText).cx + 3 * s);
    PaintFrame(area, RECT{textLeft - 3 * s, r.top, right, r.bottom}, ChosenFace, s);
  }
}

// A tap, or Space with the focus, ticks an automatic check box or clears it.
void Click(HWND window) {
  if ((window->style & BS_TYPEMASK) != BS_AUTOCHECKBOX) return;
  if (Control* control = ControlOf(window))
    control->check = control->check == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED;
  InvalidateRect(window, nullptr, FALSE);
  NotifyParent(window, BN_CLICKED);
}

}  // namespace

LRESULT ButtonProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE: MakeControl(window, lParam, DrawCheckBox); return 0;
    case WM_DESTROY: FreeControl(window); return 0;
    case BM_GETCHECK:
      return ControlOf(window) != nullptr ? static_cast<LRESULT>(ControlOf(window)->check) : 0;
    case BM_SETCHECK:
      if (Control* control = ControlOf(window))
        control->check = wParam == BST_CHECKED ? BST_CHECKED : BST_UNCHECKED;
      InvalidateRect(window, nullptr, FALSE);
      return 0;
    case WM_LBUTTONDOWN: Click(window); return 0;
    case WM_KEYDOWN:
      if (wParam == VK_SPACE) Click(window);
      return 0;
    default: return DefWindowProcW(window, message, wParam, lParam);
  }
}

namespace {

void DrawStatic(HWND window, const RECT& area) {
  const Control* control = ControlOf(window);
  if (control == nullptr) return;
  const RECT& r = window->window;
  PaintFill(area, r, ControlFace);
  if ((window->style & SS_TYPEMASK) != SS_BITMAP) {
    PaintRowText(area, r, r.left, control->text.c_str(), ControlText);
    return;
  }
  HostImage* framebuffer = ScreenFramebuffer();
  const RECT shown = RectIntersect(area, r);
  if (control->picture == nullptr || framebuffer == nullptr || RectEmpty(shown)) return;
  HostImageDraw(framebuffer, POINT{r.left, r.top}, control->picture, shown);
}

// The static keeps a copy of the picture and takes its size, in place.
LRESULT SetImage(HWND window, WPARAM type, LPARAM lParam) {
  Control* control = ControlOf(window);
  if (control == nullptr || type != IMAGE_BITMAP) return 0;
  HBITMAP previous = control->image;
  HBITMAP bitmap = reinterpret_cast<HBITMAP>(lParam);
  HostImageFree(control->picture);
  control->picture = nullptr;
  control->image = bitmap;
  if (bitmap != nullptr && bitmap->pixels != nullptr) {
    control->picture = HostImageCopy(bitmap->pixels);
    if (control->picture != nullptr && (window->style & SS_TYPEMASK) == SS_BITMAP) {
      const RECT parent = IsWindow(window->parent) ? window->parent->client : RECT{0, 0, 0, 0};
      const SIZE size = HostImageSize(control->picture);
      MoveWindow(window, window->window.left - parent.left, window->window.top - parent.top, size.cx, size.cy,
                 FALSE);
    }
  }
  InvalidateRect(window, nullptr, FALSE);
  return reinterpret_cast<LRESULT>(previous);
}

}  // namespace

LRESULT StaticProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE: MakeControl(window, lParam, DrawStatic); return 0;
    case WM_DESTROY: FreeControl(window); return 0;
    case STM_SETIMAGE: return SetImage(window, wParam, lParam);
    case STM_GETIMAGE:
      return ControlOf(window) != nullptr && wParam == IMAGE_BITMAP
                 ? reinterpret_cast<LRESULT>(ControlOf(window)->image)
                 : 0;
    default: return DefWindowProcW(window, message, wParam, lParam);
  }
}

Control* ControlOf(HWND control) {
  return IsWindow(control) ? static_cast<Control*>(control->platformData) : nullptr;
}

void MakeControl(HWND control, LPARAM createStruct, void (*draw)(HWND, const RECT&)) {
  const auto* create = reinterpret_cast<const CREATESTRUCTW*>(createStruct);
  control->platformData = new Control{
      Shown(create->lpszName, Prefixed(control)), BST_UNCHECKED, nullptr, nullptr, {}, -1, create->cy};
  control->platformDraw = draw;
}

void FreeControl(HWND control) {
  Control* record = ControlOf(control);
  if (record == nullptr) return;
  HostImageFree(record->picture);
  delete record;
  control->platformData = nullptr;
}

void NotifyParent(HWND control, WORD code) {
  if (IsWindow(control) && IsWindow(control->parent))
    SendMessageW(control->parent, WM_COMMAND, MAKEWPARAM(control->id, code),
                 reinterpret_cast<LPARAM>(control));
}

void PaintRowText(const RECT& clip, const RECT& row, LONG x, LPCWSTR text, COLORREF colour,
                  const TextStyle& style) {
  // The ink runs from the top of a "d" to the bottom of a "g"; the font's line is taller,
  // with room above the capitals that would push the letters down in a row of 8 units.
  LONG inkTop = 0, inkHeight = row.bottom - row.top;
  const HostTextStyle font{PlainText.points, false};
  int minY, maxY, descent, highest;
  if (HostGlyphRows(u'd', font, &minY, &maxY) && HostGlyphRows(u'g', font, &descent, &highest)) {
    inkTop = HostFontAscent(font) - maxY;
    inkHeight = maxY - descent;
  }
  const LONG y = row.top + (row.bottom - row.top - inkHeight) / 2 - inkTop;
  PaintText(RectIntersect(clip, row), x, y, text, colour, style);
}
