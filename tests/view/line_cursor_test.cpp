// Where the arrow keys and Tab take the line cursor: along its row of lines and between
// the rows of both kinds, stopping at the board's edges, every line within reach of every
// other; Tab to the lines not yet drawn.
#include "view/line_cursor.h"

#include <gtest/gtest.h>

#include <queue>
#include <set>
#include <vector>

#include "game/board.h"
#include "tests/game/boards.h"

namespace {

struct Arrow {
  const char* name;
  int right, down;
};
constexpr Arrow Arrows[] = {{"left", -1, 0}, {"right", 1, 0}, {"up", 0, -1}, {"down", 0, 1}};

TEST(LineCursor, ArrowsGoAlongTheRowOrToTheNearestLineOfTheNextRowAndStopAtTheEdges) {
  enum { L, R, U, D };  // the arrows, in the order of Arrows
  // clang-format off
  const int moves[][3] = {
      // Along a row, of either kind.
      {H(3, 3), L, H(3, 2)}, {H(3, 3), R, H(3, 4)}, {V(2, 4), L, V(2, 3)}, {V(2, 4), R, V(2, 5)},
      // Between rows: a horizontal line's column lies between two vertical lines, and the
      // left one is taken; a vertical line's column has a horizontal line on either side,
      // the left one again, but the right one at the left edge.
      {H(3, 3), D, V(3, 3)}, {H(3, 3), U, V(2, 3)}, {V(2, 4), D, H(3, 3)}, {V(2, 4), U, H(2, 3)},
      {V(2, 0), D, H(3, 0)}, {V(2, 7), U, H(2, 6)},
      // The edges and the corners stop it.
      {H(0, 0), L, H(0, 0)}, {H(0, 0), U, H(0, 0)}, {H(0, 6), R, H(0, 6)}, {H(0, 6), U, H(0, 6)},
      {H(7, 0), L, H(7, 0)}, {H(7, 0), D, H(7, 0)}, {H(7, 6), R, H(7, 6)}, {H(7, 6), D, H(7, 6)},
      {H(0, 3), U, H(0, 3)}, {H(7, 3), D, H(7, 3)}, {V(3, 0), L, V(3, 0)}, {V(3, 7), R, V(3, 7)},
      {V(0, 0), L, V(0, 0)}, {V(6, 7), R, V(6, 7)},
      // Next to the edges it still moves: corner lines go up or down onto the border row.
      {V(0, 0), U, H(0, 0)}, {V(6, 7), D, H(7, 6)},
  };
  // clang-format on
  for (const auto& [from, arrow, to] : moves)
    EXPECT_EQ(CursorStep(CursorPlaceOf(from), Arrows[arrow].right, Arrows[arrow].down).cell, to)
        << "from " << from << " " << Arrows[arrow].name;
}

// Up and down keep the column the cursor came in with, so it zigzags down one column of
// the board and comes back where it started.
TEST(LineCursor, UpAndDownKeepTheColumn) {
  for (int line : AllLines()) {
    CursorPlace place = CursorPlaceOf(line);
    std::vector<int> path{line};
    for (CursorPlace next = CursorStep(place, 0, 1); next.cell != place.cell;
         next = CursorStep(place, 0, 1)) {
      place = next;
      path.push_back(place.cell);
    }
    for (auto it = path.rbegin() + 1; it != path.rend(); ++it) {
      place = CursorStep(place, 0, -1);
      ASSERT_EQ(place.cell, *it) << "back up from " << path.back() << " towards " << line;
    }
  }
}

// From any line every line can be reached, with arrows alone; so there is no dead end.
TEST(LineCursor, EveryLineIsReachableFromEveryLine) {
  for (int start : AllLines()) {
    std::set<std::pair<int, int>> seen;
    std::set<int> lines;
    std::queue<CursorPlace> next;
    next.push(CursorPlaceOf(start));
    while (!next.empty()) {
      const CursorPlace place = next.front();
      next.pop();
      if (!seen.insert({place.cell, place.column}).second) continue;
      ASSERT_TRUE(IsLine(place.cell));
      lines.insert(place.cell);
      for (const Arrow& arrow : Arrows) next.push(CursorStep(place, arrow.right, arrow.down));
    }
    EXPECT_EQ(lines.size(), 112u) << "from " << start;
  }
}

TEST(LineCursor, TabGoesRoundTheLinesNotYetDrawn) {
  EmptyBoard(0);
  EXPECT_EQ(NextFreeLine(H(0, 0), 1), H(0, 1));
  EXPECT_EQ(NextFreeLine(H(0, 6), 1), V(0, 0));  // over the row's boxes
  EXPECT_EQ(NextFreeLine(H(7, 6), 1), H(0, 0));  // round the board
  EXPECT_EQ(NextFreeLine(H(0, 0), -1), H(7, 6));
  Draw({H(0, 1), H(0, 2), V(0, 0)}, OwnerUser);
  EXPECT_EQ(NextFreeLine(H(0, 0), 1), H(0, 3));
  EXPECT_EQ(NextFreeLine(H(0, 3), -1), H(0, 0));
  EXPECT_EQ(NextFreeLine(H(0, 6), 1), V(0, 1));
  // A drawn line is left too, and with one line left every start goes to it.
  FullBoardBut({V(3, 3)}, 0, OwnerComputer);
  EXPECT_EQ(NextFreeLine(H(0, 0), 1), V(3, 3));
  EXPECT_EQ(NextFreeLine(V(3, 3), -1), V(3, 3));
}

}  // namespace
