// Drawing the board from the skin images: sprites are copied opaque and unscaled from
// their sheet to the cell's place, the scores drawn as plain numbers over the background.
#include "view/board_paint.h"

#include "game/board.h"
#include "game/effects.h"
#include "platform/strsafe.h"
#include "platform/wingdi.h"
#include "platform/winuser.h"
#include "view/layout.h"
#include "view/line_cursor.h"
#include "view/skin.h"

HWND hMainWnd;

namespace {

HBITMAP SheetFor(int cell) {
  if (IsHorizontalLine(cell)) return SkinImages.horizontalLines;
  if (IsVerticalLine(cell)) return SkinImages.verticalLines;
  return SkinImages.squares;
}

// A cell nobody owns is not drawn, so the background's empty line or box shows there.
void CopyCell(HDC target, HDC sheet, int cell) {
  const int32_t owner = occ[cell];
  if (owner != OwnerComputer && owner != OwnerUser) return;
  const RECT to = CellRect(BoardLayout, cell);
  const POINT from = CellSource(cell, owner);
  BitBlt(target, to.left, to.top, to.right - to.left, to.bottom - to.top, sheet, from.x, from.y, SRCCOPY);
}

void DrawScore(HDC hdc, int32_t score, RECT field) {
  WCHAR text[12];
  StringCchPrintfW(text, 12, u"%d", score);
  DrawTextW(hdc, text, -1, &field, 0);
}

}  // namespace

POINT CellSource(int cell, int32_t owner) {
  const BoardMetrics& m = BoardLayout;
  const bool computer = owner == OwnerComputer;
  if (IsHorizontalLine(cell)) return POINT{computer ? m.hLineWidth : 0, Skin * m.hLineHeight};
  if (IsVerticalLine(cell)) return POINT{Skin * m.vLineWidth, computer ? m.vLineHeight : 0};
  return POINT{computer ? m.boxWidth : 0, Skin * m.boxHeight};
}

void PaintBoard(HDC hdc, HWND hWnd) {
  if (SkinImages.background == nullptr || SkinImages.horizontalLines == nullptr ||
      SkinImages.verticalLines == nullptr || SkinImages.squares == nullptr)
    return;

  HDC memory = CreateCompatibleDC(hdc);
  RECT client;
  GetClientRect(hWnd, &client);
  HGDIOBJ previous = SelectObject(memory, SkinImages.background);
  BitBlt(hdc, 0, 0, client.right - client.left, client.bottom - client.top, memory, 0, 0, SRCCOPY);
  SelectObject(memory, previous);

  previous = SelectObject(memory, SkinImages.horizontalLines);
  for (int r = 0; r <= 7; ++r)
    for (int c = 0; c <= 6; ++c) CopyCell(hdc, memory, HorizontalLineCell(r, c));
  SelectObject(memory, previous);

  previous = SelectObject(memory, SkinImages.verticalLines);
  for (int r = 0; r <= 6; ++r)
    for (int c = 0; c <= 7; ++c) CopyCell(hdc, memory, VerticalLineCell(r, c));
  SelectObject(memory, previous);

  previous = SelectObject(memory, SkinImages.squares);
  for (int r = 0; r <= 6; ++r)
    for (int c = 0; c <= 6; ++c) CopyCell(hdc, memory, BoxCell(r, c));
  SelectObject(memory, previous);
  DeleteDC(memory);

  // As on the handheld: the scores are drawn transparently over the background, and the
  // background copy above is what wipes out an old number.
  const int previousMode = SetBkMode(hdc, TRANSPARENT);
  const COLORREF previousColour = SetTextColor(hdc, scoreTextColour);
  DrawScore(hdc, UserScore, UserScoreRect(BoardLayout));
  DrawScore(hdc, ComputerScore, ComputerScoreRect(BoardLayout));
  SetBkMode(hdc, previousMode);
  SetTextColor(hdc, previousColour);
}

void DrawCell(int cell) {
  HDC hdc = GetDC(hMainWnd);
  HDC memory = CreateCompatibleDC(hdc);
  if (IsLine(cell) || IsBox(cell)) {
    // The background is not needed: a placed line shows even while paints draw nothing.
    if (SkinImages.horizontalLines != nullptr && SkinImages.verticalLines != nullptr &&
        SkinImages.squares != nullptr) {
      HGDIOBJ previous = SelectObject(memory, SheetFor(cell));
      CopyCell(hdc, memory, cell);
      SelectObject(memory, previous);
    }
    // The line under the keyboard's cursor keeps its mark.
    if (cell == LineCursor.place.cell) PaintLineCursor(hdc);
  }
  DeleteDC(memory);
  ReleaseDC(hMainWnd, hdc);
}

void InvalidateUserScore() {
  const RECT field = UserScoreRect(BoardLayout);
  InvalidateRect(hMainWnd, &field, FALSE);
}

void InvalidateComputerScore() {
  const RECT field = ComputerScoreRect(BoardLayout);
  InvalidateRect(hMainWnd, &field, FALSE);
}
