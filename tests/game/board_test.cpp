// Drawing lines, taking boxes, handing over the turn and the end-of-game question.
#include "game/board.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/effects.h"
#include "game/stand_ins/recorder.h"
#include "tests/game/boards.h"

using Log = std::vector<std::string>;

class Placement : public testing::Test {
 protected:
  void SetUp() override { ResetEffects(); }
};

TEST_F(Placement, UserLineThatClosesNothingPassesTheTurn) {
  EmptyBoard(0);
  PlaceLine(0);
  EXPECT_EQ(occ[0], OwnerUser);
  EXPECT_EQ(box[8], SideTop);
  EXPECT_EQ(f, 1);
  EXPECT_EQ(F, 0);
  EXPECT_EQ(Effects, Log{"draw 0"});
}

TEST_F(Placement, ComputerLineKeepsTheTurnAndClearsFirst) {
  NewGame();
  PlaceLine(61);
  EXPECT_EQ(occ[61], OwnerComputer);
  EXPECT_EQ(box[60], SideRight);
  EXPECT_EQ(box[62], SideLeft);
  EXPECT_EQ(f, 1);
  EXPECT_EQ(first, 0);
}

TEST_F(Placement, DrawnLineChangesNothingNotEvenTheFlags) {
  EmptyBoard(0);
  Draw({0}, OwnerComputer);
  F = 1;
  PlaceLine(0);
  EXPECT_EQ(occ[0], OwnerComputer);
  EXPECT_EQ(box[8], SideTop);
  EXPECT_EQ(F, 1);
  EXPECT_EQ(f, 0);
  EXPECT_TRUE(Effects.empty());
}

// A line between two three-sided boxes takes both for the side to move, the box above or
// to the left first; each box sounds, scores, draws and pauses, and the turn stays.
TEST_F(Placement, LineClosingTwoBoxesScoresBothInOrderAndKeepsTheTurn) {
  struct Case {
    int toMove, line;
    std::vector<int> drawn;
    Log effects;
  };
  const Case cases[] = {
      // Horizontal line 24: the bottom of box 12 and the top of box 34.
      {0,
       24,
       {2, 11, 13, 33, 35, 46},
       {"draw 24", "sound box", "score user", "draw 12", "sleep 200", "sound box", "score user", "draw 34",
        "sleep 200"}},
      // Vertical line 31: the right side of box 30 and the left side of box 32.
      {1,
       31,
       {22, 29, 44, 23, 33, 45},
       {"draw 31", "sound box", "score computer", "draw 30", "sleep 200", "sound box", "score computer",
        "draw 32", "sleep 200"}},
  };
  for (const Case& c : cases) {
    ResetEffects();
    EmptyBoard(c.toMove);
    Draw(c.drawn, OwnerUser);
    PlaceLine(c.line);
    EXPECT_EQ(Effects, c.effects);
    EXPECT_EQ(c.toMove == 1 ? ComputerScore : UserScore, 2);
    EXPECT_EQ(f, c.toMove);
    EXPECT_EQ(F, 0);
  }
}

TEST_F(Placement, NewGameClearsEverything) {
  EmptyBoard(0);
  Draw(AllLines(), OwnerUser);
  F = 1;
  NewGame();
  for (int cell = 0; cell < CellCount; ++cell) {
    EXPECT_EQ(occ[cell], 0);
    EXPECT_EQ(box[cell], 0);
  }
  EXPECT_EQ(UserScore, 0);
  EXPECT_EQ(ComputerScore, 0);
  EXPECT_EQ(f, 1);
  EXPECT_EQ(first, 1);
  EXPECT_EQ(F, 0);
}

// The last box: every line but cell 0 is drawn, so box 8 waits for its top side.
struct Ending {
  const char* name;
  int closer;  // f when line 0 is drawn
  int userBefore;
  int computerBefore;
  int sound;
  int yes;
  Log effects;
};

class EndOfGame : public testing::TestWithParam<Ending> {};

TEST_P(EndOfGame, AsksAndActsOnTheAnswer) {
  const Ending& e = GetParam();
  ResetEffects();
  EmptyBoard(e.closer);
  std::vector<int> lines = AllLines();
  lines.erase(lines.begin());
  Draw(lines, OwnerUser);
  UserScore = e.userBefore;
  ComputerScore = e.computerBefore;
  Sound = e.sound;
  AnswerYes = e.yes;
  PlaceLine(0);
  EXPECT_EQ(Effects, e.effects);
  if (e.yes) {
    EXPECT_EQ(TakenBoxes(), 0);
    EXPECT_EQ(occ[0], 0);
    EXPECT_EQ(UserScore + ComputerScore, 0);
    EXPECT_EQ(f, 1);
    EXPECT_EQ(first, 1);
  } else {
    EXPECT_EQ(TakenBoxes(), 49);
    EXPECT_EQ(UserScore + ComputerScore, 49);
    EXPECT_EQ(f, e.closer);  // the board stays full and the turn where it was
  }
  EXPECT_EQ(F, 0);
}

const char* Win = "ask Congratulation! You win. Play again?";
const char* Lose = "ask You lost. Play again?";

INSTANTIATE_TEST_SUITE_P(
    Endings, EndOfGame,
    testing::Values(
        Ending{"UserWinsYes",
               0,
               24,
               24,
               1,
               1,
               {"draw 0", "sound box", "score user", "draw 8", "sleep 200", "thread win", Win, "invalidate"}},
        Ending{"UserWinsNo",
               0,
               30,
               18,
               1,
               0,
               {"draw 0", "sound box", "score user", "draw 8", "sleep 200", "thread win", Win}},
        Ending{"ComputerWinsYes",
               1,
               10,
               38,
               1,
               1,
               {"draw 0", "sound box", "score computer", "draw 8", "sleep 200", "thread lose", Lose,
                "invalidate"}},
        Ending{"UserTakesLastButLoses",
               0,
               10,
               38,
               1,
               0,
               {"draw 0", "sound box", "score user", "draw 8", "sleep 200", "thread lose", Lose}},
        Ending{"ComputerTakesLastUserWins",
               1,
               25,
               23,
               1,
               0,
               {"draw 0", "sound box", "score computer", "draw 8", "sleep 200", "thread win", Win}},
        Ending{"SilentWin", 0, 24, 24, 0, 0, {"draw 0", "score user", "draw 8", "sleep 200", Win}}),
    [](const testing::TestParamInfo<Ending>& each) { return std::string(each.param.name); });
