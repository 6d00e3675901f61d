// Building boards for tests without going through play.
#pragma once

#include <initializer_list>
#include <string>
#include <vector>

#include "game/board.h"

// The boxes a line is a side of, with the side bit the line is for each.
struct BoxSide {
  int box, bit;
};
std::vector<BoxSide> BoxesOf(int line);

// An empty board in play: no line drawn, `first` 0, the given side to move.
void EmptyBoard(int toMove);
// Draws lines for an owner straight into the state, masks included, with no effects and
// no scoring; boxes they close are given the owner and counted.
void Draw(std::initializer_list<int> lines, int owner);
void Draw(const std::vector<int>& lines, int owner);
// The line cells by row and column.
constexpr int H(int row, int col) { return HorizontalLineCell(row, col); }
constexpr int V(int row, int col) { return VerticalLineCell(row, col); }
// Every line cell, in cell order.
std::vector<int> AllLines();
// Every line drawn by one owner, the user unless another is given, but the given ones, so
// every box but theirs is that owner's.
void FullBoardBut(const std::vector<int>& left, int toMove, int owner = OwnerUser);
// Boxes taken, counted from the board.
int TakenBoxes();
// The first `count` of a list (all of it by default) in one line, separated by commas: the
// game's recorded effects, compared whole.
inline std::string Joined(const std::vector<std::string>& items, size_t count = SIZE_MAX) {
  std::string text;
  for (size_t i = 0; i < items.size() && i < count; ++i) text += (i == 0 ? "" : ", ") + items[i];
  return text;
}
