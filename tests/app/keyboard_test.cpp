// The board by keyboard, driven through the program's own loop: the line cursor hidden
// until an arrow key and taken away by a tap without a trace, Enter and Space on a line
// playing it through the tap rule, and the mark standing out from what it covers in every
// skin at every screen size, in the build's own artwork.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <iostream>
#include <vector>

#include "game/board.h"
#include "platform/emulator.h"
#include "settings/settings.h"
#include "tests/app/program.h"
#include "tests/game/boards.h"
#include "tests/settings/saved_game.h"
#include "tests/support/contrast.h"
#include "tests/support/recording_window.h"
#include "view/board_paint.h"
#include "view/layout.h"
#include "view/line_cursor.h"
#include "view/skin.h"
#include "view/skin_names.h"

namespace {

void Press(int key) { EmulatorKey(key, FALSE); }

// The pixels of an area of the screen that break a rule: in the mark over `cell`,
// `onMark(before, now)` holds; elsewhere each pixel is as it was `before`.
template <typename Rule>
int Broken(const RECT& area, const std::vector<COLORREF>& before, int cell, Rule onMark) {
  const std::vector<COLORREF> now = ScreenPixels(area);
  int broken = 0;
  size_t i = 0;
  for (LONG y = area.top; y < area.bottom; ++y)
    for (LONG x = area.left; x < area.right; ++x, ++i)
      broken += InMark(cell, x, y) ? !onMark(before[i], now[i]) : now[i] != before[i];
  return broken;
}

using KeyboardTest = ProgramTest;

TEST_F(KeyboardTest, TheCursorShowsAtTheFirstArrowAndATapTakesItAwayWithoutATrace) {
  ASSERT_TRUE(Start(240, 320));
  EXPECT_FALSE(LineCursor.shown);
  const std::vector<COLORREF> fresh = ScreenPixels(WholeScreen());
  Press(VK_DOWN);  // shows it where it is, in the board's middle, without a step
  Press(VK_RIGHT);
  Pump();
  ASSERT_TRUE(LineCursor.shown);
  EXPECT_EQ(LineCursor.place.cell, H(3, 4));
  // The screen differs in the mark alone, which shows its colours.
  EXPECT_EQ(Broken(WholeScreen(), fresh, H(3, 4), [](COLORREF, COLORREF now) { return MarkColour(now); }), 0);

  // A tap beside the lines hides it and does nothing else.
  Plays.clear();
  const std::vector<int32_t> game = CurrentGame();
  const RECT middle = CellRect(BoardLayout, BoxCell(3, 3));
  TapAt(middle.left + 5, middle.top + 5);
  EXPECT_FALSE(LineCursor.shown);
  EXPECT_EQ(ScreenPixels(WholeScreen()), fresh);
  EXPECT_TRUE(Plays.empty());
  EXPECT_EQ(CurrentGame(), game);

  // Back where it was at the next arrow. Enter, and Space on the next free line (Tab), play
  // the line under the cursor through the tap rule, as a tap there does: the player's sound,
  // the line, the computer's sound and its answer; the mark stays. (What the tap rule does
  // with a box closed, a line drawn already or the last line is the main window's tests'
  // part; keys queued behind one another are played under Xvfb.) A computer's line drawn
  // under the cursor keeps the mark too.
  Press(VK_LEFT);
  Pump();
  EXPECT_EQ(LineCursor.place.cell, H(3, 4));
  EmptyBoard(0);
  InvalidateRect(hMainWnd, nullptr, FALSE);
  for (int key : {VK_RETURN, VK_SPACE}) {
    SCOPED_TRACE(key);
    const int line = LineCursor.place.cell;
    Plays.clear();
    Press(key);
    Pump();
    ASSERT_EQ(occ[line], OwnerUser);
    EXPECT_EQ(LinesDrawn(), key == VK_RETURN ? 2 : 4) << "the computer did not answer";
    EXPECT_EQ(PlayedNames(), (std::vector<std::u16string>{u"player.wav", u"computer.wav"}));
    EXPECT_TRUE(MarkShown(line));
    Press(VK_TAB);
    Pump();
  }
  const int under = LineCursor.place.cell;
  f = 1;  // the computer draws the line under it
  PlaceLine(under);
  ASSERT_EQ(occ[under], OwnerComputer);
  EXPECT_TRUE(MarkShown(under));
}

// A COLORREF is 0x00BBGGRR.
double Contrast(COLORREF a, COLORREF b) {
  return ContrastRatio(__builtin_bswap32(a) >> 8, __builtin_bswap32(b) >> 8);
}

// The pixels the mark borders on (beside it, outside it) of less than 3:1 contrast with it,
// in an area of the screen with the mark on `cell`; the lowest contrast is kept.
int LowContrastBorders(const RECT& area, int cell, double* lowest) {
  int low = 0;
  for (LONG y = area.top; y < area.bottom; ++y)
    for (LONG x = area.left; x < area.right; ++x)
      for (const POINT& p : {POINT{x - 1, y}, POINT{x + 1, y}, POINT{x, y - 1}, POINT{x, y + 1}})
        if (InMark(cell, x, y) && p.x >= area.left && p.y >= area.top && p.x < area.right &&
            p.y < area.bottom && !InMark(cell, p.x, p.y)) {
          const double contrast = Contrast(EmulatorScreenPixel(x, y), EmulatorScreenPixel(p.x, p.y));
          *lowest = std::min(*lowest, contrast);
          low += contrast < 3.0;
        }
  return low;
}

// Every line in every state (the user's, the computer's, not drawn), beside boxes of either
// side and none, in every skin at every screen size: each pixel of the mark contrasts at
// least 3:1 with every pixel beside it that still shows (a drawn line's light and dark
// edges, the plate, the corner points, the boxes), the pixels around it stay as they were,
// and taking it away leaves the line as it was. What it covers is gone while it shows; its
// lowest contrast with that is only reported.
TEST_F(KeyboardTest, TheMarkStandsOutFromEverythingBesideItAndLeavesNoTrace) {
  std::vector<double> lowest(SkinCount, 21.0), lowestBeside(SkinCount, 21.0);
  for (const SIZE& size : ScreenSizes) {
    ASSERT_TRUE(Start(size.cx, size.cy));
    const LONG margin = BoardLayout.gapX;
    for (int skin = 0; skin < SkinCount; ++skin) {
      Skin = skin;
      FreeSkin();
      LoadSkin();
      for (int turn = 0; turn < 3; ++turn) {
        EmptyBoard(0);
        const std::vector<int> lines = AllLines();
        for (size_t i = 0; i < lines.size(); ++i)
          occ[lines[i]] = std::array{OwnerUser, OwnerComputer, OwnerNone}[(i + turn) % 3];
        for (int box = 0; box < 49; ++box)
          occ[BoxCell(box / 7, box % 7)] = std::array{OwnerNone, OwnerUser, OwnerComputer}[(box + turn) % 3];
        InvalidateRect(hMainWnd, nullptr, FALSE);
        Pump();
        for (int line : lines) {
          const RECT cell = CellRect(BoardLayout, line);
          const RECT around = OnScreen(
              RECT{cell.left - margin, cell.top - margin, cell.right + margin, cell.bottom + margin});
          const std::vector<COLORREF> before = ScreenPixels(around);
          LineCursor = LineCursorState{CursorPlaceOf(line), false};
          ShowLineCursor();
          const int broken = Broken(around, before, line, [&](COLORREF under, COLORREF mark) {
            lowest[skin] = std::min(lowest[skin], Contrast(under, mark));  // reported only
            return MarkColour(mark);
          });
          const int low = LowContrastBorders(around, line, &lowestBeside[skin]);
          HideLineCursor();
          SCOPED_TRACE(testing::Message() << size.cx << "x" << size.cy << " skin " << skin << " line " << line
                                          << " owner " << occ[line]);
          ASSERT_EQ(broken, 0) << "pixels not the mark's colours, or beside the mark";
          ASSERT_EQ(low, 0) << "pixels beside the mark of less than 3:1 contrast with it";
          ASSERT_EQ(ScreenPixels(around), before) << "line " << line << " not as it was";
        }
      }
    }
    Stop();
  }
  for (int skin = 0; skin < SkinCount; ++skin)
    std::cout << "skin " << skin << ": lowest contrast of the mark " << lowest[skin] << ":1 over what it covers, "
              << lowestBeside[skin] << ":1 beside it\n";
}

}  // namespace
