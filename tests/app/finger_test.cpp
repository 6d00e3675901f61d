// The board by finger, through SDL's finger events and the program's own loop: a quick tap
// near a line draws it as a tap on it does, a touch that is not clear draws nothing, a
// press marks the line meant, a slide moves the mark, the lift takes the line under it and
// leaves no mark; the mouse keeps the exact hit test.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "game/board.h"
#include "platform/emulator.h"
#include "settings/settings.h"
#include "tests/app/program.h"
#include "tests/game/boards.h"
#include "tests/settings/saved_game.h"
#include "tests/support/recording_window.h"
#include "view/board_paint.h"
#include "view/layout.h"
#include "view/line_cursor.h"

namespace {

constexpr int H(int row, int col) { return HorizontalLineCell(row, col); }
constexpr int V(int row, int col) { return VerticalLineCell(row, col); }

// The tests' screen is shown at 1 x on a desktop of 96 dots per inch.
int Mm(double millimetres) { return static_cast<int>(std::lround(millimetres * 96 / 25.4)); }

POINT OnScreen(POINT client) {
  const RECT r = WindowRect(hMainWnd);
  return POINT{r.left + client.x, r.top + client.y};
}

// A client point beside a line's middle: below a horizontal line or right of a vertical
// one (`side` 1), above or left of it (-1), that far beyond its sprite.
POINT Beside(int cell, double millimetres, int side = 1) {
  const RECT r = CellRect(BoardLayout, cell);
  const int x = (r.left + r.right) / 2, y = (r.top + r.bottom) / 2;
  if (IsHorizontalLine(cell))
    return POINT{x, side > 0 ? r.bottom - 1 + Mm(millimetres) : r.top - Mm(millimetres)};
  return POINT{side > 0 ? r.right - 1 + Mm(millimetres) : r.left - Mm(millimetres), y};
}

POINT Middle(const RECT& r) { return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

std::vector<COLORREF> WholeScreen() {
  return ScreenPixels(RECT{0, 0, ScreenSizes[ResolutionId].cx, ScreenSizes[ResolutionId].cy});
}

// Whether the mark over a line shows: its frame (the cell less the hole the line shows
// through) takes the skin's cursor colour, white or black, all round.
bool MarkShown(int cell) {
  const RECT client = WindowRect(hMainWnd);
  const RECT outer = CellRect(BoardLayout, cell), hole = LineCursorHole(cell);
  const RECT area{client.left + outer.left, client.top + outer.top, client.left + outer.right,
                  client.top + outer.bottom};
  const std::vector<COLORREF> pixels = ScreenPixels(area);
  size_t i = 0;
  for (LONG y = outer.top; y < outer.bottom; ++y)
    for (LONG x = outer.left; x < outer.right; ++x, ++i) {
      const bool inHole = x >= hole.left && x < hole.right && y >= hole.top && y < hole.bottom;
      const COLORREF c = pixels[i];
      if (!inHole && c != LineCursorColour(Skin) && c != RGB(255, 255, 255) && c != RGB(0, 0, 0))
        return false;
    }
  return true;
}

void Down(POINT client) { EmulatorFingerDown(OnScreen(client).x, OnScreen(client).y); }
void Move(POINT client) { EmulatorFingerMove(OnScreen(client).x, OnScreen(client).y); }
void Up(POINT client) { EmulatorFingerUp(OnScreen(client).x, OnScreen(client).y); }

struct FingerTest : ProgramTest {
  // An empty board with the player to move (the given lines drawn by the player), painted.
  void Board(const std::vector<int>& drawn = {}) {
    EmptyBoard(0);
    Draw(drawn, OwnerUser);
    InvalidateRect(hMainWnd, nullptr, FALSE);
    Pump();
    Plays.clear();
  }
};

// Quick taps in place, by finger and by mouse at the same points: the finger takes a line
// a millimetre or two beside it, even beyond the board's edge, and takes nothing where no
// line is clearly nearest (which lines those are, the finger line's own tests pin); the
// mouse draws only on a line's own pixels. A line taken is
// played by the tap rule. No mark is left.
TEST_F(FingerTest, QuickTapsTakeTheLineClearlyMeantAndTheMouseOnlyTheLineHit) {
  ASSERT_TRUE(Start(480, 640));
  const struct {
    const char* what;
    POINT at;
    int finger;  // the line the finger takes, or -1
    std::vector<int> drawn;
  } cases[] = {
      {"1 mm below a horizontal line", Beside(H(3, 3), 1), H(3, 3), {}},
      {"2 mm beyond the board's top edge", Beside(H(0, 6), 2, -1), H(0, 6), {}},
      {"2 mm beyond the board's right edge", Beside(V(6, 7), 2), V(6, 7), {}},
      {"beside a drawn line, as near its two free neighbours", Beside(H(4, 4), 1), -1, {H(4, 4)}},
      {"a box's middle", Middle(CellRect(BoardLayout, BoxCell(3, 3))), -1, {}},
      {"4.5 mm below the board, beyond the reach",
       POINT{240, BoardRect(BoardLayout).bottom + Mm(4.5)},
       -1,
       {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ASSERT_EQ(HitTestLine(c.at.x, c.at.y), -1) << "the point is on a line";
    Board(c.drawn);
    const std::vector<COLORREF> before = WholeScreen();
    const std::vector<int32_t> game = CurrentGame();
    EmulatorTouch(OnScreen(c.at).x, OnScreen(c.at).y);
    Pump();
    EXPECT_FALSE(LineCursor.shown);
    if (c.finger == -1) {
      EXPECT_EQ(CurrentGame(), game) << "a line was drawn";
      EXPECT_TRUE(Plays.empty());
      EXPECT_EQ(WholeScreen(), before) << "the screen changed";
    } else {
      EXPECT_EQ(occ[c.finger], OwnerUser) << "the line meant is not drawn";
      EXPECT_EQ(LinesDrawn(), 2) << "the player's line and the computer's answer";
      EXPECT_EQ(PlayedNames(), (std::vector<std::u16string>{u"player.wav", u"computer.wav"}));
    }

    Board(c.drawn);
    const std::vector<int32_t> clicked = CurrentGame();
    EmulatorTap(OnScreen(c.at).x, OnScreen(c.at).y);
    Pump();
    EXPECT_EQ(CurrentGame(), clicked) << "the mouse drew a line off every line";
    EXPECT_TRUE(Plays.empty());
  }
}

// A press marks the line the finger means without drawing it; sliding onto another line
// moves the mark there, taking the first away without a trace; the lift takes the line
// under it, and the mark is gone.
TEST_F(FingerTest, APressMarksTheLineAndTheLiftTakesTheLineSlidTo) {
  ASSERT_TRUE(Start(480, 640));
  Board();
  Down(Beside(H(2, 2), 1));
  Pump();
  EXPECT_TRUE(LineCursor.shown && MarkShown(H(2, 2))) << "no mark on the line pressed";
  EXPECT_EQ(LinesDrawn(), 0);
  EXPECT_TRUE(Plays.empty());

  Move(Beside(H(2, 2), 2));  // further down the same box, still clear
  Move(Beside(V(2, 3), 1));  // onto the next box's left side
  Pump();
  EXPECT_TRUE(LineCursor.shown && MarkShown(V(2, 3))) << "the mark did not follow";
  EXPECT_FALSE(MarkShown(H(2, 2)));
  EXPECT_EQ(LinesDrawn(), 0);

  Up(Beside(V(2, 3), 1));
  Pump();
  EXPECT_FALSE(LineCursor.shown);
  EXPECT_EQ(occ[V(2, 3)], OwnerUser) << "the line slid to is not drawn";
  EXPECT_EQ(occ[H(2, 2)], OwnerNone) << "the line first pressed is drawn";
  EXPECT_EQ(PlayedNames(), (std::vector<std::u16string>{u"player.wav", u"computer.wav"}));
}

// A lift where no line is clear, below the board, or off the screen takes nothing, and
// leaves the screen as it was before the press.
TEST_F(FingerTest, ALiftOffTheBoardOrWhereNothingIsClearTakesNothing) {
  ASSERT_TRUE(Start(480, 640));
  const struct {
    const char* what;
    POINT lift;  // client coordinates
  } cases[] = {
      {"a box's middle", Middle(CellRect(BoardLayout, BoxCell(1, 1)))},
      {"below the board, on the menu bar", POINT{240, 560}},
      {"off the screen", POINT{-40, 700}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Board();
    const std::vector<COLORREF> before = WholeScreen();
    const std::vector<int32_t> game = CurrentGame();
    Down(Beside(H(1, 1), 1));
    Pump();
    ASSERT_TRUE(MarkShown(H(1, 1)));
    Move(c.lift);
    Pump();
    EXPECT_FALSE(LineCursor.shown) << "a mark where nothing is clear";
    Up(c.lift);
    Pump();
    EXPECT_EQ(CurrentGame(), game);
    EXPECT_TRUE(Plays.empty());
    EXPECT_EQ(WholeScreen(), before);
  }
}

}  // namespace
