// Layouts by screen size, the cells' rectangles, and taps mapped to lines.
#include "view/layout.h"

#include <gtest/gtest.h>

#include <tuple>

#include "game/board.h"
#include "platform/emulator.h"
#include "platform/screen.h"

namespace {

// The sixteen metrics per resolution id, in the order of BoardMetrics.
const int32_t Expected[6][16] = {
    {20, 40, 6, 82, 6, 32, 24, 24, 24, 7, 7, 24, 7, 7, 31, 8},
    {40, 80, 12, 164, 12, 64, 48, 48, 48, 14, 14, 48, 14, 14, 62, 16},
    {40, 80, 12, 164, 12, 64, 48, 48, 48, 14, 14, 48, 14, 14, 62, 16},
    {20, 40, 6, 91, 6, 37, 13, 34, 13, 7, 7, 34, 7, 7, 31, 13},
    {40, 80, 12, 182, 12, 74, 26, 68, 26, 14, 14, 68, 14, 14, 62, 26},
    {40, 80, 12, 262, 12, 154, 26, 68, 26, 14, 14, 68, 14, 14, 62, 106},
};

std::vector<int32_t> Fields(const BoardMetrics& m) {
  return {m.scoreHeight, m.scoreWidth, m.computerScoreY, m.computerScoreX, m.userScoreY,  m.userScoreX,
          m.boxHeight,   m.boxWidth,   m.vLineHeight,    m.vLineWidth,     m.hLineHeight, m.hLineWidth,
          m.gapY,        m.gapX,       m.originY,        m.originX};
}

void UseScreen(int width, int height) {
  EmulatorSetScreen(width, height, 1);
  DetectLayout();
}

TEST(Layout, TableHoldsTheSixLayouts) {
  for (int id = 0; id < ResolutionCount; ++id)
    EXPECT_EQ(Fields(Layouts[id]), std::vector<int32_t>(Expected[id], Expected[id] + 16)) << "id " << id;
}

TEST(Layout, BoardExtentsAndPitch) {
  // left, top, right, bottom (exclusive), pitchX, pitchY
  const int32_t extents[6][6] = {{8, 31, 232, 255, 31, 31},  {16, 62, 464, 510, 62, 62},
                                 {16, 62, 464, 510, 62, 62}, {13, 31, 307, 178, 41, 20},
                                 {26, 62, 614, 356, 82, 40}, {106, 62, 694, 356, 82, 40}};
  for (int id = 0; id < ResolutionCount; ++id) {
    const BoardMetrics& m = Layouts[id];
    const RECT board = BoardRect(m);
    EXPECT_EQ(std::make_tuple(board.left, board.top, board.right, board.bottom, m.pitchX(), m.pitchY()),
              std::make_tuple(extents[id][0], extents[id][1], extents[id][2], extents[id][3], extents[id][4],
                              extents[id][5]))
        << "id " << id;
    // The board and the score fields fit on the screen they are made for.
    EXPECT_LE(board.right, ScreenSizes[id].cx);
    EXPECT_LE(board.bottom, ScreenSizes[id].cy);
    EXPECT_LE(UserScoreRect(m).bottom, board.top);
    EXPECT_LE(ComputerScoreRect(m).bottom, board.top);
  }
}

TEST(Layout, CellRectangles) {
  const BoardMetrics& m = Layouts[0];
  auto rect = [](const RECT& r) {
    return std::make_tuple(r.left, r.top, r.right - r.left, r.bottom - r.top);
  };
  EXPECT_EQ(rect(CellRect(m, 0)), std::make_tuple(15, 31, 24, 7));
  EXPECT_EQ(rect(CellRect(m, 7)), std::make_tuple(8, 38, 7, 24));
  EXPECT_EQ(rect(CellRect(m, 8)), std::make_tuple(15, 38, 24, 24));
  EXPECT_EQ(rect(CellRect(m, 160)), std::make_tuple(201, 248, 24, 7));
  EXPECT_EQ(rect(CellRect(m, 153)), std::make_tuple(225, 224, 7, 24));
  EXPECT_EQ(rect(CellRect(m, BoxCell(6, 6))), std::make_tuple(201, 224, 24, 24));
  EXPECT_EQ(rect(CornerRect(m, 7, 7)), std::make_tuple(225, 248, 7, 7));
  EXPECT_EQ(rect(UserScoreRect(m)), std::make_tuple(32, 6, 40, 20));
  EXPECT_EQ(rect(ComputerScoreRect(m)), std::make_tuple(82, 6, 40, 20));
  // Landscape boxes are wide and flat; 800 x 480 is 640 x 480 moved right by 80.
  EXPECT_EQ(rect(CellRect(Layouts[4], BoxCell(6, 6))), std::make_tuple(532, 316, 68, 26));
  EXPECT_EQ(rect(CellRect(Layouts[5], BoxCell(6, 6))), std::make_tuple(612, 316, 68, 26));
}

TEST(DetectLayout, ChoosesTheIdFromTheWholeScreen) {
  const struct {
    int width, height, id;
  } cases[] = {{240, 320, 0}, {240, 400, 0}, {320, 320, 0}, {1024, 768, 0}, {640, 640, 0}, {480, 640, 1},
               {480, 800, 2}, {320, 240, 3}, {640, 480, 4}, {800, 480, 5},  {800, 600, 0}};
  for (const auto& c : cases) {
    UseScreen(c.width, c.height);
    EXPECT_EQ(ResolutionId, c.id) << c.width << "x" << c.height;
    EXPECT_EQ(Fields(BoardLayout), Fields(Layouts[c.id])) << c.width << "x" << c.height;
  }
}

TEST(DetectLayout, RotationAndSharedMetrics) {
  UseScreen(480, 640);
  EXPECT_EQ(ResolutionId, 1);
  ScreenRotate();
  DetectLayout();
  EXPECT_EQ(ResolutionId, 4);
  ScreenRotate();
  DetectLayout();
  EXPECT_EQ(ResolutionId, 1);

  UseScreen(480, 800);
  EXPECT_EQ(ResolutionId, 2);
  EXPECT_EQ(Fields(BoardLayout), Fields(Layouts[1]));

  UseScreen(640, 480);
  const BoardMetrics narrow = BoardLayout;
  UseScreen(800, 480);
  EXPECT_EQ(BoardLayout.originX, narrow.originX + 80);
  EXPECT_EQ(BoardLayout.userScoreX, narrow.userScoreX + 80);
  EXPECT_EQ(BoardLayout.computerScoreX, narrow.computerScoreX + 80);

  // Nothing of the previous layout survives a change back to an unlisted size.
  UseScreen(333, 333);
  EXPECT_EQ(ResolutionId, 0);
  EXPECT_EQ(Fields(BoardLayout), Fields(Layouts[0]));
}

TEST(HitTestLine, TapsInLayoutZero) {
  UseScreen(240, 320);
  const struct {
    int x, y, cell;
  } taps[] = {
      {15, 31, 0},                       // the top-left horizontal line's left edge
      {39, 38, 0},                       // right and bottom edges are inclusive
      {15, 38, 0},                       // shared by cell 0 and cell 7: the horizontal line wins
      {8, 39, 7},                        // the left border's top vertical line
      {11, 34, -1},                      // inside corner point (0, 0)
      {27, 50, -1},                      // inside box 8
      {14, 31, -1},                      // just left of cell 0, inside the corner point
      {40, 31, -1},                      // corner point (0, 1), past cell 0's inclusive edge
      {46, 31, 1},     {201, 248, 160},  // the last horizontal line
      {225, 255, 160},                   // its inclusive corner, inside the last corner point
      {225, 224, 138},                  // the last vertical line's corner is also line 138's inclusive corner
      {226, 224, 153},                  // the last vertical line
      {232, 248, 153},                  // its inclusive bottom right corner
      {226, 249, -1},  {233, 240, -1},  // right of the board
      {100, 256, -1},                   // below the board
      {56, 10, -1},                     // a score field
      {0, 0, -1},      {65535, 65535, -1},
  };
  for (const auto& t : taps) EXPECT_EQ(HitTestLine(t.x, t.y), t.cell) << "(" << t.x << ", " << t.y << ")";
}

// Every line is hit on its sprite plus one pixel column on the right and one row below,
// horizontal lines first; nothing else is hit. Checked pixel by pixel in every layout.
TEST(HitTestLine, MatchesTheDrawnLinesEverywhere) {
  for (int id = 0; id < ResolutionCount; ++id) {
    UseScreen(ScreenSizes[id].cx, ScreenSizes[id].cy);
    std::vector<int> lines;
    for (int r = 0; r <= 7; ++r)
      for (int c = 0; c <= 6; ++c) lines.push_back(HorizontalLineCell(r, c));
    for (int r = 0; r <= 6; ++r)
      for (int c = 0; c <= 7; ++c) lines.push_back(VerticalLineCell(r, c));
    const RECT board = BoardRect(BoardLayout);
    int mismatches = 0;
    for (int y = board.top - 2; y < board.bottom + 2; ++y)
      for (int x = board.left - 2; x < board.right + 2; ++x) {
        int expected = -1;
        for (int cell : lines) {
          const RECT r = CellRect(BoardLayout, cell);
          if (r.left <= x && x <= r.right && r.top <= y && y <= r.bottom) {
            expected = cell;
            break;
          }
        }
        if (HitTestLine(x, y) != expected && ++mismatches <= 5)
          ADD_FAILURE() << "id " << id << " (" << x << ", " << y << "): " << HitTestLine(x, y) << " not "
                        << expected;
      }
    EXPECT_EQ(mismatches, 0) << "id " << id;
  }
}

}  // namespace
