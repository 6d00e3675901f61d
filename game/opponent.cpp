// The computer opponent. It keeps no state: it reads the shared board, chooses lines by
// fixed rules from a random starting point, and places them exactly as a tap does.
#include "game/opponent.h"

#include "game/board.h"
#include "game/effects.h"

namespace {

constexpr int QuietCandidates = 112;  // every line, numbered 1-112 by cell index
constexpr int CellRing = 160;         // cell indices 1-160
constexpr int CellStartModulus = 161;

// Candidate n (1-112) of the quiet-line rule: rows 0-6 give their seven horizontal lines
// and then their eight vertical lines, row 7 its seven horizontal lines.
int QuietCandidateCell(int n) {
  const int k = n - 1;
  if (k >= 105) return HorizontalLineCell(7, k - 105);
  const int row = k / 15;
  const int within = k % 15;
  return within < 7 ? HorizontalLineCell(row, within) : VerticalLineCell(row, within - 7);
}

// A line is quiet when each of its one or two boxes has no side yet.
bool IsQuiet(int cell) {
  const int col = cell % RowStride;
  const int row = cell / RowStride;
  if (IsHorizontalLine(cell)) {
    if (row >= 1 && box[BoxCell(row - 1, col)] != 0) return false;
    if (row <= 6 && box[BoxCell(row, col)] != 0) return false;
  } else {
    const int k = (col - 7) / 2;
    if (k >= 1 && box[cell - 1] != 0) return false;
    if (k <= 6 && box[cell + 1] != 0) return false;
  }
  return true;
}

// The missing side of a three-sided box, or -1.
int MissingSide(int b) {
  switch (box[b]) {
    case 7: return BottomSide(b);
    case 11: return RightSide(b);
    case 13: return LeftSide(b);
    case 14: return TopSide(b);
    default: return -1;
  }
}

// The second side of a box with one side: always one of its vertical sides.
int SecondSide(int b) {
  switch (box[b]) {
    case 1: return LeftSide(b);
    case 2: return RightSide(b);
    case 4: return LeftSide(b);
    case 8: return RightSide(b);
    default: return -1;
  }
}

// The third side of a box with two sides, which offers it to the user.
int ThirdSide(int b) {
  switch (box[b]) {
    case 3: return RightSide(b);
    case 5: return LeftSide(b);
    case 6: return TopSide(b);
    case 9: return RightSide(b);
    case 10: return RightSide(b);
    case 12: return LeftSide(b);
    default: return -1;
  }
}

// The walk shared by the two box rules: one number drawn first, then every cell of the
// ring from the one after the start. Only box cells are examined; on any board that play
// produces the others hold mask 0 anyway.
bool WalkBoxes(int (*lineFor)(int)) {
  int p = handheld::rand() % CellStartModulus + 1;
  if (f != 1) return true;
  // As on the handheld: one step more than the ring has cells, so the first cell is
  // examined once more at the end.
  for (int i = 0; i < CellRing + 1; ++i) {
    if (++p > CellRing) p = 1;
    if (!IsBox(p)) continue;
    const int line = lineFor(p);
    if (line < 0) continue;
    PlaceLine(line);
    f = 0;
    return true;
  }
  return false;
}

}  // namespace

void CaptureAll() {
  // A pass only counts as having met a box when it drew a line; a damaged saved game may
  // hold a three-sided box whose missing side is drawn already, which no pass can close.
  bool met = true;
  while (met) {
    met = false;
    for (int cell = 1; cell < CellCount; ++cell) {
      if (!IsBox(cell)) continue;
      const int line = MissingSide(cell);
      if (line < 0) continue;
      if (occ[line] == OwnerNone) met = true;
      PlaceLine(line);
    }
  }
}

void ComputerTurn() {
  CaptureAll();
  if (F == 0) {
    PickQuietLine();
  } else {
    // As on the handheld: F is still set only in a game saved while the end-of-game
    // question was open, and restored; the turn then ends at once without a line, and the
    // player is to move.
    f = 0;
    F = 0;
  }
}

void PickQuietLine() {
  // As on the handheld: the generator is never seeded, so every run draws the same numbers
  // and a program started without a saved game opens on the same line, cell 61. Each rule
  // draws its number before it looks at whose turn it is.
  int p = handheld::rand() % QuietCandidates + 1;
  if (f != 1) return;
  for (int i = 0; i < QuietCandidates + 1; ++i) {
    if (++p > QuietCandidates) p = 1;
    const int line = QuietCandidateCell(p);
    if (!IsQuiet(line)) continue;
    PlaceLine(line);
    f = 0;
    return;
  }
  PickSecondSide();
}

void PickSecondSide() {
  if (!WalkBoxes(SecondSide)) PickSacrifice();
}

void PickSacrifice() { WalkBoxes(ThirdSide); }
