// Where the arrow keys and Tab take the line cursor.
#include <algorithm>

#include "game/board.h"
#include "view/line_cursor.h"

namespace {

constexpr int LastPlace = 14;  // the last row and column

struct Spot {
  int column, row;
};

Spot SpotOf(int cell) {
  const int row = cell / RowStride, offset = cell % RowStride;
  if (IsHorizontalLine(cell)) return Spot{2 * offset + 1, 2 * row};
  return Spot{offset - 7, 2 * row + 1};
}

int CellAt(Spot spot) {
  if (spot.row % 2 == 0) return HorizontalLineCell(spot.row / 2, spot.column / 2);
  return VerticalLineCell(spot.row / 2, spot.column / 2);
}

// Horizontal lines take odd columns 1-13, vertical ones even columns 0-14.
bool Fits(Spot spot) {
  return spot.row >= 0 && spot.row <= LastPlace && spot.column >= 0 && spot.column <= LastPlace &&
         (spot.row + spot.column) % 2 == 1;
}

}  // namespace

CursorPlace CursorPlaceOf(int cell) { return CursorPlace{cell, SpotOf(cell).column}; }

CursorPlace CursorStep(CursorPlace from, int right, int down) {
  const Spot at = SpotOf(from.cell);
  if (right != 0) {
    const Spot to{at.column + 2 * right, at.row};
    return Fits(to) ? CursorPlaceOf(CellAt(to)) : from;
  }
  const int row = at.row + down;
  if (down == 0 || row < 0 || row > LastPlace) return from;
  // The kept column itself, or the nearer of its neighbours in a row of the other kind.
  Spot to{from.column, row};
  if (!Fits(to)) to.column = from.column - 1 >= 0 ? from.column - 1 : from.column + 1;
  to.column = std::clamp(to.column, row % 2 == 0 ? 1 : 0, row % 2 == 0 ? LastPlace - 1 : LastPlace);
  return CursorPlace{CellAt(to), from.column};
}

int NextFreeLine(int cell, int step) {
  for (int i = 1; i < CellCount; ++i) {
    const int next = ((cell + step * i) % CellCount + CellCount) % CellCount;
    if (IsLine(next) && occ[next] == OwnerNone) return next;
  }
  return cell;
}
