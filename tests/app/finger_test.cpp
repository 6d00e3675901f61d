// The board by finger, through SDL's finger events and the program's own loop: a quick tap
// near a line draws it as a tap on it does, a touch that is not clear draws nothing, a
// press marks the line meant, a slide moves the mark, the lift takes the line under it and
// leaves no mark; the mouse keeps the exact hit test.
#include <gtest/gtest.h>

#include <cmath>
#include <tuple>
#include <vector>

#include "game/board.h"
#include "platform/emulator.h"
#include "tests/app/program.h"
#include "tests/game/boards.h"
#include "tests/settings/saved_game.h"
#include "tests/support/recording_window.h"
#include "view/board_paint.h"
#include "view/layout.h"
#include "view/line_cursor.h"

namespace {

// The tests' screen is shown at 1 x on a desktop of 96 dots per inch.
int Mm(double millimetres) { return static_cast<int>(std::lround(millimetres * 96 / 25.4)); }

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

void Down(POINT client) { EmulatorFingerDown(OnScreen(client).x, OnScreen(client).y); }
void Move(POINT client) { EmulatorFingerMove(OnScreen(client).x, OnScreen(client).y); }
void Up(POINT client) { EmulatorFingerUp(OnScreen(client).x, OnScreen(client).y); }

struct FingerTest : ProgramTest {
  // An empty board with the player to move, painted.
  void Board() {
    EmptyBoard(0);
    InvalidateRect(hMainWnd, nullptr, FALSE);
    Pump();
    Plays.clear();
  }
};

// Where the finger is lifted decides. A line clearly meant there, a millimetre or two
// beside it or even beyond the board's edge, is played by the tap rule (what that rule does
// with a drawn line is the main window's tests'); where no line is clearly nearest (which
// lines those are, the finger line's own tests pin), below the board or off the screen,
// nothing is taken, a mark shown on the way goes, and the screen is as it was before the
// press. No mark is left. A quick tap is a press and a lift in place; the mouse, at the same
// points, draws only on a line's own pixels.
TEST_F(FingerTest, TheLiftTakesTheLineClearlyMeantThereAndTheMouseOnlyTheLineHit) {
  ASSERT_TRUE(Start(480, 640));
  const POINT pressed = Beside(H(1, 1), 1);  // for the slides
  const POINT box = Middle(CellRect(BoardLayout, BoxCell(3, 3))),
              below{240, BoardRect(BoardLayout).bottom + Mm(4.5)};
  // Each case: where the finger is pressed and lifted, and the line it takes (-1: none).
  const std::tuple<const char*, POINT, POINT, int> cases[] = {
      {"1 mm below a horizontal line", Beside(H(3, 3), 1), Beside(H(3, 3), 1), H(3, 3)},
      {"2 mm beyond the board's top edge", Beside(H(0, 6), 2, -1), Beside(H(0, 6), 2, -1), H(0, 6)},
      {"2 mm beyond the board's right edge", Beside(V(6, 7), 2), Beside(V(6, 7), 2), V(6, 7)},
      {"a box's middle", box, box, -1},
      {"4.5 mm below the board, beyond the reach", below, below, -1},
      {"slid to a box's middle", pressed, Middle(CellRect(BoardLayout, BoxCell(1, 1))), -1},
      {"slid below the board, onto the menu bar", pressed, POINT{240, 560}, -1},
      {"slid off the screen", pressed, POINT{-40, 700}, -1},
  };
  for (const auto& [what, press, lift, taken] : cases) {
    SCOPED_TRACE(what);
    ASSERT_EQ(HitTestLine(lift.x, lift.y), -1) << "the point is on a line";
    const bool slid = press.x != lift.x || press.y != lift.y;
    Board();
    const std::vector<COLORREF> before = ScreenPixels(WholeScreen());
    const std::vector<int32_t> game = CurrentGame();
    Down(press);
    if (slid) {
      Pump();
      Move(lift);
      Pump();
      EXPECT_FALSE(LineCursor.shown) << "a mark where nothing is clear";
    }
    Up(lift);
    Pump();
    EXPECT_FALSE(LineCursor.shown);
    if (taken == -1) {
      EXPECT_EQ(CurrentGame(), game) << "a line was drawn";
      EXPECT_TRUE(Plays.empty());
      EXPECT_EQ(ScreenPixels(WholeScreen()), before) << "the screen changed";
    } else {
      EXPECT_EQ(occ[taken], OwnerUser) << "the line meant is not drawn";
      EXPECT_EQ(LinesDrawn(), 2) << "the player's line and the computer's answer";
      EXPECT_EQ(PlayedNames(), (std::vector<std::u16string>{u"player.wav", u"computer.wav"}));
    }
    if (slid) continue;
    Board();
    EmulatorTap(OnScreen(lift).x, OnScreen(lift).y);
    Pump();
    EXPECT_EQ(CurrentGame(), game) << "the mouse drew a line off every line";
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

}  // namespace
