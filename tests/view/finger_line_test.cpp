// The line a finger means: the hit test's line where there is one, the clearly nearest line
// within the reach elsewhere, nothing where two lines are about as near, all measured in
// millimetres whatever the screen's pixels are on the glass.
#include "view/finger_line.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "game/board.h"
#include "platform/emulator.h"
#include "view/layout.h"

namespace {

constexpr double Desktop = 96 / 25.4;  // pixels a millimetre: a window at 1 x on a 96 dpi desktop
constexpr double Phone = 62 / 7.0;     // a line every 7 mm on the glass, as a phone shows 480 x 640

// A layout and an empty board.
void UseLayout(int id) {
  EmulatorSetScreen(ScreenSizes[id].cx, ScreenSizes[id].cy, 1);
  DetectLayout();
  std::fill(std::begin(occ), std::end(occ), OwnerNone);
}

int Mm(double millimetres, double pixelsPerMillimetre) {
  return static_cast<int>(std::lround(millimetres * pixelsPerMillimetre));
}

// A point and the line a finger there means (-1: none), with the lines drawn before.
struct Touch {
  const char* what;
  int x, y, expected;
  std::vector<int> drawn = {};
};

void ExpectTouches(const std::vector<Touch>& touches, double scale) {
  for (const Touch& t : touches) {
    std::fill(std::begin(occ), std::end(occ), OwnerNone);
    for (int cell : t.drawn) occ[cell] = OwnerUser;
    EXPECT_EQ(FingerLine(t.x, t.y, scale), t.expected) << t.what << " at (" << t.x << ", " << t.y << ")";
  }
  std::fill(std::begin(occ), std::end(occ), OwnerNone);
}

// Points around the top left box of 480 x 640 (cell 30: lines 22 above, 44 below, 29 and 31
// beside it), off a line by a distance on the glass: within the reach beyond the board's
// edge, and the reach measured on the glass; the same pixels are farther on a desktop's
// larger pixels. Nobody aims at a drawn line: a touch that strays toward one means the free
// line it is nearest after it, while a touch on a drawn line's own pixels has found that
// line. (Every line from 1.5 mm beside it, on either side, is the next test's.)
TEST(FingerLine, NearButOffAFreeLineTakesItWithinTheReach) {
  UseLayout(1);
  const RECT top = CellRect(BoardLayout, HorizontalLineCell(1, 0));  // cell 22
  const RECT left = CellRect(BoardLayout, VerticalLineCell(1, 0));   // cell 29
  const RECT box = CellRect(BoardLayout, BoxCell(1, 0));             // cell 30
  const int middleX = (top.left + top.right) / 2, middleY = (left.top + left.bottom) / 2;
  const int nearLeftX = left.right + Mm(1, Phone), nearTopY = top.bottom + Mm(2, Phone);
  const int boxX = (box.left + box.right) / 2, boxY = (box.top + box.bottom) / 2;
  const int above = BoardLayout.originY;
  ExpectTouches({{"1 mm below the top line", middleX, top.bottom + Mm(1, Phone), 22},
                 {"1 mm left of the board's left edge", left.left - Mm(1, Phone), middleY, 29},
                 {"3.5 mm above the board's top line", middleX, above - Mm(3.5, Phone), 0},
                 {"5 mm above the board, beyond the reach", middleX, above - Mm(5, Phone), -1},
                 {"1 mm beside the left line, 2 mm below the top one", nearLeftX, nearTopY, 29},
                 {"the same with the left line drawn: the top line", nearLeftX, nearTopY, 22, {29}},
                 {"on the drawn left line's pixels", (left.left + left.right) / 2, middleY, 29, {29}},
                 {"a box's middle", boxX, boxY, -1},
                 {"a box's middle, three sides drawn: the fourth", boxX, boxY, 44, {22, 29, 31}}},
                Phone);
  ExpectTouches({{"the same pixels above the board on a desktop", middleX, above - Mm(3.5, Phone), -1},
                 {"2 mm above the board on a desktop", middleX, above - Mm(2, Desktop), 0}},
                Desktop);
}

// The middle of a box is as near its four lines, a corner point as near the two to four
// lines that meet there, a point on a box's diagonal as near two sides: none is clear, in
// every layout, on a desktop and on a phone.
TEST(FingerLine, PointsAsNearTwoLinesTakeNothing) {
  for (int id = 0; id < ResolutionCount; ++id) {
    UseLayout(id);
    const BoardMetrics& m = BoardLayout;
    for (double scale : {Desktop, 2 * Desktop, Phone}) {
      for (int r = 0; r < 7; ++r)
        for (int c = 0; c < 7; ++c) {
          const RECT b = CellRect(m, BoxCell(r, c));
          const int x = (b.left + b.right) / 2, y = (b.top + b.bottom) / 2;
          EXPECT_EQ(FingerLine(x, y, scale), -1) << "id " << id << " box " << BoxCell(r, c) << " middle";
          const RECT p = CornerRect(m, r + 1, c + 1);
          EXPECT_EQ(FingerLine((p.left + p.right) / 2, (p.top + p.bottom) / 2, scale), -1)
              << "id " << id << " corner point " << r + 1 << ", " << c + 1;
        }
      if (m.boxWidth == m.boxHeight) {
        const RECT b = CellRect(m, BoxCell(2, 2));
        EXPECT_EQ(FingerLine(b.left + 6, b.top + 6, scale), -1) << "id " << id << " on the diagonal";
      }
    }
  }
}

// On a phone every line is taken from 1.5 mm beside its middle, on either side, wherever
// the board's lines are far enough apart for that to be clear: the square boxes' layouts.
TEST(FingerLine, EveryLineIsTakenFromBesideItsMiddle) {
  for (int id : {0, 1, 2}) {
    UseLayout(id);
    const double scale = Phone * BoardLayout.pitchX() / 62;  // the board as large on the glass
    const int off = Mm(1.5, scale);
    for (int cell = 0; cell < CellCount; ++cell) {
      if (!IsLine(cell)) continue;
      const RECT r = CellRect(BoardLayout, cell);
      const int x = (r.left + r.right) / 2, y = (r.top + r.bottom) / 2;
      const bool horizontal = IsHorizontalLine(cell);
      for (int side : {-1, 1}) {
        const int across = (horizontal ? (r.bottom - r.top) : (r.right - r.left)) / 2 + off;
        const int tx = horizontal ? x : x + side * across, ty = horizontal ? y + side * across : y;
        EXPECT_EQ(FingerLine(tx, ty, scale), cell) << "id " << id << " (" << tx << ", " << ty << ")";
      }
    }
  }
}

// Taps 1 mm beside a line at points along it, not only its middle, on 800 x 480 at a
// phone's scale (lines 10.6 mm apart across, 5.2 mm down; a vertical line is 3.4 mm long).
// A long line is still taken well toward its ends, a short one beside its middle though a
// long line's end is only 1.7 mm away; where the two are about as near, nothing is taken
// rather than the wrong one.
TEST(FingerLine, AlongALineTheLineItIsBesideIsTakenOrNothing) {
  UseLayout(5);
  const double scale = 82 / 10.6;  // the board as a phone held sideways shows it
  const int cell = HorizontalLineCell(3, 3), down = VerticalLineCell(3, 3);
  const RECT h = CellRect(BoardLayout, cell), v = CellRect(BoardLayout, down);
  ExpectTouches({{"below the long line, 1 mm beside it, 3 mm from its left end", h.left + Mm(3, scale),
                  h.bottom + Mm(1, scale), cell},
                 {"below the long line, 1 mm beside it, 2 mm from its left end", h.left + Mm(2, scale),
                  h.bottom + Mm(1, scale), cell},
                 {"above the long line, 1 mm beside it, 2 mm from its right end", h.right - Mm(2, scale),
                  h.top - Mm(1, scale), cell},
                 {"below the long line, 1 mm beside it, 1 mm from its left end: as near the short line",
                  h.left + Mm(1, scale), h.bottom + Mm(1, scale), -1},
                 {"beside the short line, 1 mm off at its middle", v.right + Mm(1, scale),
                  (v.top + v.bottom) / 2, down},
                 {"beside the short line, 1 mm off at its middle, left", v.left - Mm(1, scale),
                  (v.top + v.bottom) / 2, down},
                 {"beside the short line, 1 mm off, 1 mm from its end: as near the long line",
                  v.right + Mm(1, scale), v.top + Mm(1, scale), -1}},
                scale);
}

}  // namespace
