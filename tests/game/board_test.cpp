// Drawing lines, taking boxes, handing over the turn and the end-of-game question.
#include "game/board.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/effects.h"
#include "tests/game/boards.h"
#include "tests/game/recorder.h"

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

TEST_F(Placement, CellsThatAreNoLinesAreRefused) {
  EmptyBoard(0);
  for (int cell : {-1, 8, 152, 161, 1000}) PlaceLine(cell);
  EXPECT_TRUE(Effects.empty());
  EXPECT_EQ(f, 0);
}

TEST_F(Placement, UserLineClosingTwoBoxesScoresBothAndKeepsTheTurn) {
  // Horizontal line 24 is the bottom of box 12 and the top of box 34, both three-sided.
  EmptyBoard(0);
  Draw({2, 11, 13, 33, 35, 46}, OwnerComputer);
  PlaceLine(24);
  EXPECT_EQ(UserScore, 2);
  EXPECT_EQ(occ[12], OwnerUser);
  EXPECT_EQ(occ[34], OwnerUser);
  EXPECT_EQ(f, 0);
  EXPECT_EQ(F, 0);
  // The box above comes first; each box sounds, scores, draws and pauses.
  EXPECT_EQ(Effects, (Log{"draw 24", "sound box", "score user", "draw 12", "sleep 200", "sound box",
                          "score user", "draw 34", "sleep 200"}));
}

TEST_F(Placement, VerticalLineAddsToTheLeftBoxFirst) {
  // Vertical line 31 is the right side of box 30 and the left side of box 32.
  EmptyBoard(1);
  Draw({22, 29, 44, 23, 33, 45}, OwnerUser);
  PlaceLine(31);
  EXPECT_EQ(ComputerScore, 2);
  EXPECT_EQ(Effects, (Log{"draw 31", "sound box", "score computer", "draw 30", "sleep 200", "sound box",
                          "score computer", "draw 32", "sleep 200"}));
  EXPECT_EQ(f, 1);
}

TEST_F(Placement, SoundOffPlaysNothing) {
  EmptyBoard(0);
  Sound = 0;
  Draw({1, 9, 23}, OwnerComputer);
  PlaceLine(11);
  EXPECT_EQ(Effects, (Log{"draw 11", "score user", "draw 10", "sleep 200"}));
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
