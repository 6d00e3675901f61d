// Layouts by screen size, where they put the board, and taps mapped to lines. Turning the
// screen is the program's tests' part.
#include "view/layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <utility>
#include <vector>

#include "game/board.h"
#include "platform/emulator.h"

namespace {

void UseScreen(int width, int height) {
  EmulatorSetScreen(width, height, 1);
  DetectLayout();
}

bool Same(const BoardMetrics& a, const BoardMetrics& b) { return std::memcmp(&a, &b, sizeof a) == 0; }

// The equal sizes the geometry relies on; the board on its screen, the score fields above
// it. Where each sprite lies is the skin images' and the paint tests' part.
TEST(Layout, EveryLayoutPlacesTheBoardAndScoresOnItsScreen) {
  for (int id = 0; id < ResolutionCount; ++id) {
    SCOPED_TRACE(testing::Message() << "id " << id);
    const BoardMetrics& m = Layouts[id];
    const RECT b = BoardRect(m);
    EXPECT_TRUE(m.boxWidth == m.hLineWidth && m.boxHeight == m.vLineHeight && m.vLineWidth == m.gapX &&
                m.hLineHeight == m.gapY);
    EXPECT_TRUE(b.left > 0 && b.right < ScreenSizes[id].cx && b.bottom < ScreenSizes[id].cy);
    EXPECT_TRUE(UserScoreRect(m).bottom <= b.top && ComputerScoreRect(m).bottom <= b.top);
  }
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
}

// Beside the board: a score field, and the largest position a tap can give.
TEST(HitTestLine, TapsOffTheBoardHitNothing) {
  UseScreen(240, 320);
  EXPECT_TRUE(HitTestLine(56, 10) == -1 && HitTestLine(65535, 65535) == -1);
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
        const auto hit = std::find_if(lines.begin(), lines.end(), [x, y](const auto& line) {
          const RECT& r = line.second;
          return r.left <= x && x <= r.right && r.top <= y && y <= r.bottom;
        });
        const int expected = hit == lines.end() ? -1 : hit->first;
        if (HitTestLine(x, y) != expected && ++mismatches <= 5)
          ADD_FAILURE() << "id " << id << " (" << x << ", " << y << "): " << HitTestLine(x, y) << " not "
                        << expected;
      }
    EXPECT_EQ(mismatches, 0) << "id " << id;
  }
}

}  // namespace
