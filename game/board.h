// The state of one game and the operations that change it: a new game, a line drawn for
// the side to move, a side added to a box.
#pragma once

#include <cstdint>

constexpr int CellCount = 161;  // cell indices 0-160, row stride 22
constexpr int RowStride = 22;
constexpr int BoxCount = 49;

// Owner values: who drew a line or took a box.
constexpr int32_t OwnerNone = 0;
constexpr int32_t OwnerComputer = 1;
constexpr int32_t OwnerUser = -1;

// Box side bits; a box with all four is closed.
constexpr int32_t SideTop = 1;
constexpr int32_t SideLeft = 2;
constexpr int32_t SideRight = 4;
constexpr int32_t SideBottom = 8;
constexpr int32_t BoxClosed = 15;

extern int32_t occ[CellCount];  // owner per cell: who drew the line or took the box
extern int32_t box[CellCount];  // side mask per box cell; 0 elsewhere
extern int32_t f;               // 1 while the computer is to move, 0 while the user is
extern int32_t first;           // 1 until the first line of the game is drawn
extern int32_t F;               // 1 while the line being placed has closed a box
extern int32_t UserScore;
extern int32_t ComputerScore;

void NewGame();
void PlaceLine(int cell);
void AddBoxSide(int boxCell, int32_t bit);

// Cell classification by index: rows of 22, horizontal lines at offsets 0-6, vertical
// lines at odd offsets 7-21 and boxes at even offsets 8-20 (rows 0-6 only).
constexpr bool IsHorizontalLine(int cell) { return cell >= 0 && cell < CellCount && cell % RowStride <= 6; }
constexpr bool IsVerticalLine(int cell) {
  return cell >= 0 && cell < 154 && cell % RowStride >= 7 && cell % RowStride % 2 == 1;
}
constexpr bool IsLine(int cell) { return IsHorizontalLine(cell) || IsVerticalLine(cell); }
constexpr bool IsBox(int cell) {
  return cell >= 0 && cell < 154 && cell % RowStride >= 8 && cell % RowStride % 2 == 0;
}
constexpr int HorizontalLineCell(int row, int col) { return RowStride * row + col; }
constexpr int VerticalLineCell(int row, int col) { return RowStride * row + 7 + 2 * col; }
constexpr int BoxCell(int row, int col) { return RowStride * row + 8 + 2 * col; }

// The four sides of a box cell.
constexpr int BoxColumn(int boxCell) { return (boxCell % RowStride - 8) / 2; }
constexpr int TopSide(int boxCell) { return boxCell - 8 - BoxColumn(boxCell); }
constexpr int BottomSide(int boxCell) { return boxCell + 14 - BoxColumn(boxCell); }
constexpr int LeftSide(int boxCell) { return boxCell - 1; }
constexpr int RightSide(int boxCell) { return boxCell + 1; }
