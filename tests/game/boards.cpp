// Test boards.
#include "tests/game/boards.h"

#include <algorithm>

#include "game/board.h"

std::vector<BoxSide> BoxesOf(int line) {
  std::vector<BoxSide> result;
  const int row = line / RowStride, col = line % RowStride;
  if (IsHorizontalLine(line)) {
    if (row >= 1) result.push_back({BoxCell(row - 1, col), SideBottom});
    if (row <= 6) result.push_back({BoxCell(row, col), SideTop});
  } else if (IsVerticalLine(line)) {
    const int k = (col - 7) / 2;
    if (k >= 1) result.push_back({line - 1, SideRight});
    if (k <= 6) result.push_back({line + 1, SideLeft});
  }
  return result;
}

void EmptyBoard(int toMove) {
  NewGame();
  first = 0;
  f = toMove;
}

void Draw(const std::vector<int>& lines, int owner) {
  for (int line : lines) {
    occ[line] = owner;
    for (const BoxSide& side : BoxesOf(line)) {
      box[side.box] |= side.bit;
      if (box[side.box] == BoxClosed) {
        occ[side.box] = owner;
        (owner == OwnerComputer ? ComputerScore : UserScore) += 1;
      }
    }
  }
}

void Draw(std::initializer_list<int> lines, int owner) { Draw(std::vector<int>(lines), owner); }

std::vector<int> AllLines() {
  std::vector<int> lines;
  for (int cell = 0; cell < CellCount; ++cell)
    if (IsLine(cell)) lines.push_back(cell);
  return lines;
}

void FullBoardBut(const std::vector<int>& left, int toMove, int owner) {
  EmptyBoard(toMove);
  std::vector<int> lines = AllLines();
  std::erase_if(lines, [&left](int line) { return std::ranges::count(left, line) > 0; });
  Draw(lines, owner);
}

int TakenBoxes() {
  int taken = 0;
  for (int cell = 0; cell < CellCount; ++cell)
    if (IsBox(cell) && occ[cell] != OwnerNone) ++taken;
  return taken;
}
