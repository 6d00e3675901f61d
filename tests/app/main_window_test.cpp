// The main window driven by messages: the tap rule, the opening rule, New Game, the
// end-of-game question from a tap and from the computer's turn, turning the screen, and
// saving when the window goes.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <vector>

#include "app/app.h"
#include "app/mainwnd.h"
#include "app/resource.h"
#include "game/board.h"
#include "platform/emulator.h"
#include "platform/wingdi.h"
#include "platform/winuser.h"
#include "settings/settings.h"
#include "tests/app/program.h"
#include "tests/app/sound_recorder.h"
#include "tests/game/boards.h"
#include "view/layout.h"
#include "view/skin.h"

namespace {

struct GameState {
  std::array<int32_t, CellCount> occ, box;
  std::array<int32_t, 5> flagsAndScores;
  bool operator==(const GameState&) const = default;
};

GameState State() {
  GameState s{{}, {}, {f, first, F, UserScore, ComputerScore}};
  std::copy(std::begin(occ), std::end(occ), s.occ.begin());
  std::copy(std::begin(box), std::end(box), s.box.begin());
  return s;
}

using Names = std::vector<std::u16string>;

// Every line drawn by an owner but the given ones, so every box but theirs is the owner's.
void FullBoardBut(std::initializer_list<int> left, int toMove, int32_t owner = OwnerUser) {
  EmptyBoard(toMove);
  std::vector<int> lines;
  for (int line : AllLines())
    if (std::find(left.begin(), left.end(), line) == left.end()) lines.push_back(line);
  Draw(lines, owner);
}

constexpr int LastBox = BoxCell(6, 6);  // its bottom and right sides are border lines
constexpr int LastBottom = BottomSide(LastBox);
constexpr int LastRight = RightSide(LastBox);

TEST_F(ProgramTest, TapsBesideEveryLineDoNothingAtAll) {
  ASSERT_TRUE(Start());
  Plays.clear();
  const GameState before = State();
  const BoardMetrics& m = BoardLayout;
  const RECT inBox = CellRect(m, BoxCell(3, 3));
  const RECT score = UserScoreRect(m);
  const POINT taps[] = {{(inBox.left + inBox.right) / 2, (inBox.top + inBox.bottom) / 2},
                        {m.originX + 2, m.originY + 2},  // inside a corner point
                        {score.left + 3, score.top + 3},
                        {2, 2},
                        {m.originX + 7 * m.pitchX() + m.gapX + 5, m.originY + 10}};
  for (const POINT& tap : taps) TapAt(tap.x, tap.y);
  EXPECT_TRUE(Plays.empty());
  EXPECT_TRUE(State() == before);
}

TEST_F(ProgramTest, ATapOnAFreeLineIsDrawnAndAnsweredInTheSameMessage) {
  ASSERT_TRUE(Start());
  for (int32_t sound : {1, 0}) {
    Sound = sound;
    Plays.clear();
    const int lines = LinesDrawn();
    const int line = QuietLine();
    TapCell(line);
    EXPECT_EQ(occ[line], OwnerUser);
    EXPECT_EQ(LinesDrawn(), lines + 2);  // and the computer's answer
    EXPECT_EQ(f, 0);
    if (sound == 0) {
      EXPECT_TRUE(Plays.empty());
      continue;
    }
    // The player sound before the line, the computer sound after it and before the answer.
    ASSERT_EQ(PlayedNames(), (Names{u"player.wav", u"computer.wav"}));
    EXPECT_EQ(Plays[0].linesDrawn, lines);
    EXPECT_EQ(Plays[1].linesDrawn, lines + 1);
    EXPECT_FALSE(Plays[0].onThread || Plays[1].onThread);
  }
}

TEST_F(ProgramTest, ATapOnADrawnLineOnlySounds) {
  ASSERT_TRUE(Start());
  // In play, and on a full board the computer finished after No: it still runs its turn.
  const struct {
    bool fullBoard;
    Names sounds;
  } cases[] = {{false, {u"player.wav"}}, {true, {u"player.wav", u"computer.wav"}}};
  for (const auto& c : cases) {
    if (c.fullBoard) FullBoardBut({}, 1);
    Plays.clear();
    const GameState before = State();
    TapCell(c.fullBoard ? LastBottom : [] {
      for (int line : AllLines())
        if (occ[line] != OwnerNone) return line;
      return -1;
    }());
    EXPECT_EQ(PlayedNames(), c.sounds);
    EXPECT_TRUE(State() == before);
  }
  EXPECT_TRUE(Questions.empty());
}

TEST_F(ProgramTest, ALineThatClosesABoxKeepsTheTurn) {
  ASSERT_TRUE(Start());
  EmptyBoard(0);
  const int b = BoxCell(2, 3);
  Draw({TopSide(b), LeftSide(b), RightSide(b)}, OwnerComputer);
  Plays.clear();
  TapCell(BottomSide(b));
  EXPECT_EQ(PlayedNames(), (Names{u"player.wav", u"box.wav"}));
  EXPECT_EQ(occ[b], OwnerUser);
  EXPECT_EQ(f, 0);
}

TEST_F(ProgramTest, TheComputerOpensANewGameOnceItsBoardIsPainted) {
  WatchedPixel = POINT{3, EmulatorBarHeight() + 3};  // the board's background, never a line
  ASSERT_TRUE(Start());
  ASSERT_EQ(PlayedNames(), (Names{u"start.wav"}));
  EXPECT_TRUE(Plays[0].onThread);
  // The sound starts after the paint and before the opening line.
  EXPECT_EQ(Plays[0].linesDrawn, 0);
  EXPECT_EQ(Plays[0].pixel, EmulatorScreenPixel(WatchedPixel.x, WatchedPixel.y));
  EXPECT_NE(Plays[0].pixel, RGB(0, 0, 0));
  EXPECT_NE(Plays[0].pixel, RGB(255, 255, 255));
  EXPECT_EQ(LinesDrawn(), 1);
  EXPECT_EQ(first, 0);
  EXPECT_EQ(f, 0);

  // Later paints leave the game alone.
  Plays.clear();
  InvalidateRect(hMainWnd, nullptr, TRUE);
  UpdateWindow(hMainWnd);
  EXPECT_TRUE(Plays.empty());
  EXPECT_EQ(LinesDrawn(), 1);
}

TEST_F(ProgramTest, ARestoredGameOpensOnlyWhileNoLineIsDrawn) {
  ASSERT_TRUE(Start());
  TapCell(QuietLine());
  Plays.clear();
  ASSERT_TRUE(Restart());  // saved with three lines
  EXPECT_TRUE(Plays.empty());
  EXPECT_EQ(LinesDrawn(), 3);

  NewGame();  // saved with `first` still 1: the computer opens it at the next start
  ASSERT_TRUE(Restart());
  EXPECT_EQ(PlayedNames(), (Names{u"start.wav"}));
  EXPECT_EQ(LinesDrawn(), 1);
}

TEST_F(ProgramTest, NewGameIsAskedOnlyOnceALineIsDrawn) {
  ASSERT_TRUE(Start());
  NewGame();
  SendMessageW(hMainWnd, WM_COMMAND, IDM_NEWGAME, 0);
  EXPECT_TRUE(Questions.empty());

  EmptyBoard(0);
  Draw({0, 7}, OwnerComputer);
  const GameState before = State();
  SendMessageW(hMainWnd, WM_COMMAND, IDM_NEWGAME, 0);
  ASSERT_EQ(Questions.size(), 1u);
  EXPECT_EQ(Questions[0].owner, hMainWnd);
  EXPECT_EQ(Questions[0].text, u"Do you want to restart the game?");
  EXPECT_EQ(Questions[0].caption, u"Marlix Pentro");
  EXPECT_EQ(Questions[0].type, MB_YESNO | MB_ICONQUESTION);
  EXPECT_TRUE(State() == before);  // No

  Answer = IDYES;
  Plays.clear();
  SendMessageW(hMainWnd, WM_COMMAND, IDM_NEWGAME, 0);
  EXPECT_EQ(LinesDrawn(), 0);
  EXPECT_EQ(first, 1);
  Pump();  // the repaint the new game asked for opens it
  EXPECT_EQ(PlayedNames(), (Names{u"start.wav"}));
  EXPECT_EQ(LinesDrawn(), 1);
}

// Yes to the question after the 49th box, taken by the tap or by the computer's answer:
// the next game's opening line is drawn before the tap's message ends, and the repaint
// after it plays no start sound.
TEST_F(ProgramTest, YesAfterTheLastBoxOpensTheNextGameInsideTheTap) {
  const struct {
    std::initializer_list<int> left;
    Names sounds;
  } cases[] = {{{LastBottom}, {u"player.wav", u"box.wav", u"win.wav", u"computer.wav"}},
               {{LastBottom, LastRight}, {u"player.wav", u"computer.wav", u"box.wav", u"win.wav"}}};
  ASSERT_TRUE(Start());
  Answer = IDYES;
  for (const auto& c : cases) {
    FullBoardBut(c.left, 0);
    Plays.clear();
    Questions.clear();
    TapCell(LastBottom);
    ASSERT_EQ(Questions.size(), 1u);
    EXPECT_EQ(Questions[0].text, u"Congratulation! You win. Play again?");
    EXPECT_EQ(LinesDrawn(), 1);
    EXPECT_EQ(first, 0);
    EXPECT_EQ(f, 0);
    Pump();
    EXPECT_EQ(PlayedNames(), c.sounds);
  }
}

TEST_F(ProgramTest, TurningTheScreenRefitsTheWindowAndPaintsTheOtherLayout) {
  ASSERT_TRUE(Start());
  const int bar = EmulatorBarHeight();
  EmulatorKey(VK_F2, FALSE);
  Pump();
  RECT window;
  GetWindowRect(hMainWnd, &window);
  EXPECT_EQ(window.top, bar);
  EXPECT_EQ(window.right, 640);
  EXPECT_EQ(window.bottom, 480 - bar);
  EXPECT_EQ(ResolutionId, 4);
  EXPECT_EQ(BoardLayout.originX, Layouts[4].originX);
  // The landscape background fills the width the portrait one could not.
  const COLORREF right = EmulatorScreenPixel(630, bar + 200);
  EXPECT_NE(right, RGB(255, 255, 255));
  EXPECT_NE(right, RGB(0, 0, 0));
  EXPECT_EQ(LinesDrawn(), 1);
}

// By the Exit command and by the desktop window's close button.
TEST_F(ProgramTest, ClosingTheWindowSavesTheGameAndEndsTheLoop) {
  for (bool command : {true, false}) {
    ASSERT_TRUE(Start());
    TapCell(QuietLine());
    const GameState played = State();
    HWND menuBar = hMenuBar;
    quitSeen = false;
    if (command)
      SendMessageW(hMainWnd, WM_COMMAND, IDM_EXIT, 0);
    else
      EmulatorCloseButton();
    Pump();
    EXPECT_FALSE(IsWindow(hMainWnd));
    EXPECT_FALSE(IsWindow(menuBar));
    EXPECT_TRUE(quitSeen);
    EXPECT_EQ(quitCode, 0u);
    NewGame();
    ASSERT_EQ(LoadGame(), 1);
    EXPECT_TRUE(State() == played);
    UnregisterClassW(szWindowClass, instance);
  }
}

}  // namespace
