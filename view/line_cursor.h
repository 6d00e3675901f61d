// The keyboard's line cursor: a mark over one line of the board that the arrow keys move
// and Enter draws. It is the desktop's addition and no part of the game: it is hidden until
// the first cursor key and drawn only over the cell it marks, so the board of a player who
// only taps is untouched.
#pragma once

#include "platform/windef.h"

// Lines lie in 15 rows on the screen, from the top: horizontal lines (7 a row), vertical
// lines (8 a row), and so on down to the last row of horizontal lines. A line's place is
// counted in half the distance between corner points: column 0-14 from the left (odd for a
// horizontal line, even for a vertical one) and row 0-14 from the top.
struct CursorPlace {
  int cell;    // the line marked
  int column;  // the column kept while moving up and down, as a text editor keeps its column
};

struct LineCursorState {
  CursorPlace place;
  bool shown;
};
extern LineCursorState LineCursor;

// The place one arrow key moves the cursor to: left and right along its row of lines, up and
// down to the row above or below, onto the line there nearest its kept column (the left one
// of two as near). At the board's edges it stays where it is.
CursorPlace CursorStep(CursorPlace from, int right, int down);
// The place of a line, its column kept being its own.
CursorPlace CursorPlaceOf(int cell);
// The next line not yet drawn after `cell` in cell order (`step` 1), or before it (-1),
// going round the board; `cell` itself when every other line is drawn.
int NextFreeLine(int cell, int step);

// The mark's own colour in a skin, taken wherever it stands out from what lies under and
// beside it; white or black where it does not.
COLORREF LineCursorColour(int skin);
// The mark is a frame two pixels wide just inside the line's cell: it covers the cell but
// this rectangle (client coordinates), where the line shows through.
RECT LineCursorHole(int cell);

// Shows the cursor where it is; hides it, drawing its cell again; moves it. Each draws
// straight to the main window and changes no pixel outside the cell marked.
void ShowLineCursor();
void HideLineCursor();
void MoveLineCursor(CursorPlace to);
// The mark on a device context of the main window, when the cursor is shown and the skin
// is complete (so the mark can be taken away again): after PaintBoard inside a paint, and
// after DrawCell has drawn the cell marked.
void PaintLineCursor(HDC hdc);
