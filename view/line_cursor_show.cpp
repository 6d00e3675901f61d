// Showing, hiding and moving the line cursor on the main window: the mark is painted over
// its cell, and taken away by drawing the cell again, from its sprite or from the background.
#include "view/line_cursor.h"

#include "game/board.h"
#include "game/effects.h"
#include "platform/wingdi.h"
#include "platform/winuser.h"
#include "view/board_paint.h"
#include "view/layout.h"
#include "view/skin.h"

namespace {

// The cell as the board shows it without the mark: its sprite, or the background there.
void RestoreCell(int cell) {
  if (!SkinLoaded()) return;
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
