// Drawing the line cursor: two bars in the skin's cursor colour along the long edges of the
// line it marks, where every line sprite and the background show the board's plate; taken
// away by drawing the cell again, from its sprite or from the background.
#include "view/line_cursor.h"

#include <iterator>

#include "game/board.h"
#include "game/effects.h"
#include "platform/wingdi.h"
#include "platform/winuser.h"
#include "view/board_paint.h"
#include "view/layout.h"
#include "view/skin.h"

LineCursorState LineCursor{CursorPlace{HorizontalLineCell(3, 3), 7}, false};

namespace {

// One a skin, chosen against its plate and apart from both sides' line colours: white on
// steel blue, green on paper, yellow on the night sky, deep blue on maple, yellow on felt,
// lime on dusk.
constexpr COLORREF CursorColours[] = {RGB(255, 255, 255), RGB(0, 122, 61),   RGB(255, 225, 77),
                                      RGB(20, 48, 192),   RGB(255, 232, 77), RGB(156, 255, 90)};

bool SkinComplete() {
  return SkinImages.background != nullptr && SkinImages.horizontalLines != nullptr &&
         SkinImages.verticalLines != nullptr && SkinImages.squares != nullptr;
}

// The cell as the board shows it without the mark: its sprite, or the background there.
void RestoreCell(int cell) {
  if (!SkinComplete()) return;
  if (occ[cell] != OwnerNone) {
    DrawCell(cell);
    return;
  }
  HDC hdc = GetDC(hMainWnd);
  HDC memory = CreateCompatibleDC(hdc);
  HGDIOBJ previous = SelectObject(memory, SkinImages.background);
  const RECT r = CellRect(BoardLayout, cell);
  BitBlt(hdc, r.left, r.top, r.right - r.left, r.bottom - r.top, memory, r.left, r.top, SRCCOPY);
  SelectObject(memory, previous);
  DeleteDC(memory);
  ReleaseDC(hMainWnd, hdc);
}

void DrawMark() {
  HDC hdc = GetDC(hMainWnd);
  PaintLineCursor(hdc);
  ReleaseDC(hMainWnd, hdc);
}

}  // namespace

COLORREF LineCursorColour(int skin) {
  return skin >= 0 && skin < static_cast<int>(std::size(CursorColours)) ? CursorColours[skin]
                                                                        : CursorColours[0];
}

void LineCursorBars(int cell, RECT bars[2]) {
  const RECT r = CellRect(BoardLayout, cell);
  const LONG s = BoardLayout.gapX >= 14 ? 2 : 1;
  if (IsHorizontalLine(cell)) {
    bars[0] = RECT{r.left, r.top, r.right, r.top + s};
    bars[1] = RECT{r.left, r.bottom - s, r.right, r.bottom};
  } else {
    bars[0] = RECT{r.left, r.top, r.left + s, r.bottom};
    bars[1] = RECT{r.right - s, r.top, r.right, r.bottom};
  }
}

void PaintLineCursor(HDC hdc) {
  if (!LineCursor.shown || !IsLine(LineCursor.place.cell) || !SkinComplete()) return;
  RECT bars[2];
  LineCursorBars(LineCursor.place.cell, bars);
  HBRUSH brush = CreateSolidBrush(LineCursorColour(Skin));
  for (const RECT& bar : bars) FillRect(hdc, &bar, brush);
  DeleteObject(brush);
}

void ShowLineCursor() {
  if (LineCursor.shown) return;
  LineCursor.shown = true;
  DrawMark();
}

void HideLineCursor() {
  if (!LineCursor.shown) return;
  LineCursor.shown = false;
  RestoreCell(LineCursor.place.cell);
}

void MoveLineCursor(CursorPlace to) {
  if (to.cell == LineCursor.place.cell) {
    LineCursor.place = to;
    return;
  }
  const bool shown = LineCursor.shown;
  HideLineCursor();
  LineCursor.place = to;
  if (shown) ShowLineCursor();
}
