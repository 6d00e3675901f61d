// Layouts by screen size, the cells' rectangles, and taps mapped to lines.
#include "view/layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <tuple>
#include <utility>
#include <vector>

#include "game/board.h"
#include "platform/emulator.h"
#include "platform/screen.h"

namespace {

void UseScreen(int width, int height) {
  EmulatorSetScreen(width, height, 1);
  DetectLayout();
}

bool Same(const BoardMetrics& a, const BoardMetrics& b) { return std::memcmp(&a, &b, sizeof a) == 0; }

std::tuple<int, int, int, int> Box(const RECT& r) {
  return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

// With the board's extents, pitch and the equal sizes the geometry relies on, every field of
// the board is pinned down; the score fields lie above it.
TEST(Layout, EveryLayoutPlacesTheBoardAndScoresOnItsScreen) {
  // board left, top, right, bottom (exclusive), pitchX, pitchY, user's and computer's score left
  const int32_t expected[6][8] = {{8, 31, 232, 255, 31, 31, 32, 82},   {16, 62, 464, 510, 62, 62, 64, 164},
                                  {16, 62, 464, 510, 62, 62, 64, 164}, {13, 31, 307, 178, 41, 20, 37, 91},
                                  {26, 62, 614, 356, 82, 40, 74, 182}, {106, 62, 694, 356, 82, 40, 154, 262}};
  for (int id = 0; id < ResolutionCount; ++id) {
    SCOPED_TRACE(testing::Message() << "id " << id);
    const BoardMetrics& m = Layouts[id];
    const RECT b = BoardRect(m);
    const int32_t seen[] = {b.left,     b.top,      b.right,      b.bottom,
                            m.pitchX(), m.pitchY(), m.userScoreX, m.computerScoreX};
    EXPECT_EQ(std::vector<int32_t>(seen, seen + 8), std::vector<int32_t>(expected[id], expected[id] + 8));
    EXPECT_TRUE(m.boxWidth == m.hLineWidth && m.boxHeight == m.vLineHeight && m.vLineWidth == m.gapX &&
                m.hLineHeight == m.gapY);
    EXPECT_TRUE(b.right <= ScreenSizes[id].cx && b.bottom <= ScreenSizes[id].cy);
    EXPECT_TRUE(UserScoreRect(m).bottom <= b.top && ComputerScoreRect(m).bottom <= b.top);
  }
}

// Left, top, width and height of some cells; landscape boxes are wide and flat.
TEST(Layout, CellRectangles) {
  const int cells[][6] = {{0, 0, 15, 31, 24, 7},     {0, 7, 8, 38, 7, 24},      {0, 8, 15, 38, 24, 24},
                          {0, 160, 201, 248, 24, 7}, {0, 153, 225, 224, 7, 24}, {0, 152, 201, 224, 24, 24},
                          {4, 152, 532, 316, 68, 26}};
  for (const auto& c : cells)
    EXPECT_EQ(Box(CellRect(Layouts[c[0]], c[1])), std::make_tuple(c[2], c[3], c[4], c[5]))
        << "id " << c[0] << " cell " << c[1];
  EXPECT_EQ(Box(CornerRect(Layouts[0], 7, 7)), std::make_tuple(225, 248, 7, 7));
  EXPECT_EQ(Box(UserScoreRect(Layouts[0])), std::make_tuple(32, 6, 40, 20));
  EXPECT_EQ(Box(ComputerScoreRect(Layouts[4])), std::make_tuple(182, 12, 80, 40));
}

TEST(DetectLayout, ChoosesTheIdFromTheWholeScreen) {
  const int cases[][3] = {{240, 320, 0}, {240, 400, 0}, {320, 320, 0}, {480, 640, 1}, {480, 800, 2},
                          {320, 240, 3}, {640, 480, 4}, {800, 480, 5}, {800, 600, 0}, {640, 640, 0}};
  for (const auto& [width, height, id] : cases) {
    UseScreen(width, height);
    EXPECT_EQ(ResolutionId, id) << width << "x" << height;
    // Every field is written, so nothing of the previous layout survives.
    EXPECT_TRUE(Same(BoardLayout, Layouts[id])) << width << "x" << height;
  }
  EXPECT_TRUE(Same(Layouts[2], Layouts[1]));  // the taller screen keeps the board where it was
  UseScreen(480, 640);
  ScreenRotate();
  DetectLayout();
  EXPECT_EQ(ResolutionId, 4);
}

TEST(HitTestLine, TapsInLayoutZero) {
  UseScreen(240, 320);
  // x, y, cell: line 0's left edge, its inclusive right and bottom edges, and the pixel it
  // shares with line 7, where the horizontal line wins; line 7, the left border's top;
  // inside corner point (0, 0), box 8 and corner point (0, 1), just past line 0's edge;
  // the last vertical line's corner, which is also line 138's inclusive corner; the last
  // lines' inclusive far corners; a score field; the largest position a tap can give.
  const int taps[][3] = {{15, 31, 0},     {39, 38, 0},     {15, 38, 0},  {8, 39, 7},
                         {11, 34, -1},    {27, 50, -1},    {40, 31, -1}, {225, 224, 138},
                         {232, 248, 153}, {225, 255, 160}, {56, 10, -1}, {65535, 65535, -1}};
  for (const auto& [x, y, cell] : taps) EXPECT_EQ(HitTestLine(x, y), cell) << "(" << x << ", " << y << ")";
}

// Every line is hit on its sprite plus one pixel column on the right and one row below,
// horizontal lines first; nothing else is hit. Checked pixel by pixel in every layout.
TEST(HitTestLine, MatchesTheDrawnLinesEverywhere) {
  for (int id = 0; id < ResolutionCount; ++id) {
    UseScreen(ScreenSizes[id].cx, ScreenSizes[id].cy);
    std::vector<std::pair<int, RECT>> lines;
    for (bool horizontal : {true, false})
      for (int cell = 0; cell < CellCount; ++cell)
        if (horizontal ? IsHorizontalLine(cell) : IsVerticalLine(cell))
          lines.push_back({cell, CellRect(BoardLayout, cell)});
    const RECT board = BoardRect(BoardLayout);
    int mismatches = 0;
    for (int y = board.top - 2; y < board.bottom + 2; ++y)
      for (int x = board.left - 2; x < board.right + 2; ++x) {
        int expected = -1;
        for (const auto& [cell, r] : lines)
          if (r.left <= x && x <= r.right && r.top <= y && y <= r.bottom) {
            expected = cell;
            break;
          }
        if (HitTestLine(x, y) != expected && ++mismatches <= 5)
          ADD_FAILURE() << "id " << id << " (" << x << ", " << y << "): " << HitTestLine(x, y) << " not "
                        << expected;
      }
    EXPECT_EQ(mismatches, 0) << "id " << id;
  }
}

}  // namespace
