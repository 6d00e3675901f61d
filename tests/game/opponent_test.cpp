// The computer's turn: the capture phase, the F test, the three rules and their walks.
#include "game/opponent.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "game/board.h"
#include "game/stand_ins/recorder.h"
#include "tests/game/boards.h"

using Log = std::vector<std::string>;

namespace {

class Opponent : public testing::Test {
 protected:
  void SetUp() override { ResetEffects(); }
};

// The generator's first numbers from a fresh start.
constexpr int FreshRand[] = {41, 18467, 6334, 26500, 19169};

// Lines drawn on the board, in cell order.
std::vector<int> DrawnLines() {
  std::vector<int> lines;
  for (int line : AllLines())
    if (occ[line] != 0) lines.push_back(line);
  return lines;
}

TEST_F(Opponent, GeneratorStartsAsOnTheHandheld) {
  std::srand(1);
  for (int expected : FreshRand) EXPECT_EQ(std::rand(), expected);
}

TEST_F(Opponent, FreshProgramOpensWithCell61DrawingOneNumber) {
  std::srand(1);
  NewGame();
  ComputerTurn();
  EXPECT_EQ(DrawnLines(), std::vector<int>{61});
  EXPECT_EQ(occ[61], OwnerComputer);
  EXPECT_EQ(f, 0);
  EXPECT_EQ(first, 0);
  EXPECT_EQ(std::rand(), FreshRand[1]);  // the other rules drew nothing
}

// The quiet-line walk on an empty board: the candidate after the start is taken.
struct QuietStart {
  int r;     // the number drawn
  int cell;  // the line placed
};

class QuietWalk : public testing::TestWithParam<QuietStart> {};

TEST_P(QuietWalk, TakesTheCandidateAfterTheStart) {
  ResetEffects();
  NewGame();
  std::srand(SeedForNextRand(GetParam().r));
  PickQuietLine();
  EXPECT_EQ(DrawnLines(), std::vector<int>{GetParam().cell});
  EXPECT_EQ(f, 0);
}

INSTANTIATE_TEST_SUITE_P(Starts, QuietWalk,
                         testing::Values(QuietStart{0, 1},         // start 1: candidate 2
                                         QuietStart{41, 61},       // start 42: candidate 43
                                         QuietStart{6, 7},         // candidate 8
                                         QuietStart{13, 21},       // candidate 15
                                         QuietStart{14, 22},       // candidate 16
                                         QuietStart{103, 153},     // candidate 105
                                         QuietStart{104, 154},     // candidate 106
                                         QuietStart{110, 160},     // candidate 112
                                         QuietStart{111, 0},       // start 112 wraps to 1
                                         QuietStart{223, 0},       // 223 mod 112 is 111
                                         QuietStart{32767, 92}));  // 32767 mod 112 is 63: candidate 65

TEST_F(Opponent, QuietWalkSkipsLinesNextToABoxWithSides) {
  // Start 112: candidate 1 (cell 0) and 2 (cell 1) touch boxes 8 and 10, which have sides.
  NewGame();
  box[8] = SideRight;
  box[10] = SideLeft;
  std::srand(SeedForNextRand(111));
  PickQuietLine();
  EXPECT_EQ(DrawnLines(), std::vector<int>{2});
}

TEST_F(Opponent, BorderLinesTestOnlyTheirOneBox) {
  // Every box has a side except box 152 in the bottom-right corner: its bottom border
  // line 160 and right border line 153 are quiet, its inner sides are not.
  EmptyBoard(1);
  for (int cell = 0; cell < CellCount; ++cell)
    if (IsBox(cell) && cell != 152) box[cell] = SideTop;
  std::srand(SeedForNextRand(0));
  PickQuietLine();
  EXPECT_EQ(DrawnLines(), std::vector<int>{153});
  EmptyBoard(1);
  for (int cell = 0; cell < CellCount; ++cell)
    if (IsBox(cell) && cell != 152) box[cell] = SideTop;
  std::srand(SeedForNextRand(105));  // start 106: candidate 107 (cell 155) first
  PickQuietLine();
  EXPECT_EQ(DrawnLines(), std::vector<int>{160});
}

// What each box rule does with a lone box of each mask: the line it places, or -1.
struct MaskRule {
  int mask;
  int secondSide;
  int sacrifice;
};

class BoxRules : public testing::TestWithParam<MaskRule> {};

// Box 60: row 2, column 4; top 48, left 59, right 61, bottom 70.
TEST_P(BoxRules, PlaceTheLineOfTheirMaskTable) {
  const MaskRule& m = GetParam();
  for (bool sacrificeOnly : {false, true}) {
    ResetEffects();
    EmptyBoard(1);
    box[60] = m.mask;
    std::srand(SeedForNextRand(1000));
    if (sacrificeOnly)
      PickSacrifice();
    else
      PickSecondSide();
    const int expected = sacrificeOnly ? m.sacrifice : (m.secondSide >= 0 ? m.secondSide : m.sacrifice);
    if (expected < 0) {
      EXPECT_TRUE(DrawnLines().empty()) << "mask " << m.mask;
      EXPECT_EQ(f, 1);
    } else {
      EXPECT_EQ(DrawnLines(), std::vector<int>{expected}) << "mask " << m.mask;
      EXPECT_EQ(f, 0);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Masks, BoxRules,
                         testing::Values(MaskRule{0, -1, -1}, MaskRule{1, 59, -1}, MaskRule{2, 61, -1},
                                         MaskRule{3, -1, 61}, MaskRule{4, 59, -1}, MaskRule{5, -1, 59},
                                         MaskRule{6, -1, 48}, MaskRule{7, -1, -1}, MaskRule{8, 61, -1},
                                         MaskRule{9, -1, 61}, MaskRule{10, -1, 61}, MaskRule{11, -1, -1},
                                         MaskRule{12, -1, 59}, MaskRule{13, -1, -1}, MaskRule{14, -1, -1},
                                         MaskRule{15, -1, -1}));

// Two one-sided boxes, 8 (top drawn: its left, 7, is placed) and 152 (bottom drawn: its
// right, 153, is placed); the first after the start in ring order wins.
struct BoxStart {
  int r;
  int cell;
};

class BoxWalk : public testing::TestWithParam<BoxStart> {};

TEST_P(BoxWalk, TakesTheFirstAcceptedCellAfterTheStart) {
  ResetEffects();
  EmptyBoard(1);
  box[8] = SideTop;
  box[152] = SideBottom;
  std::srand(SeedForNextRand(GetParam().r));
  PickSecondSide();
  EXPECT_EQ(DrawnLines(), std::vector<int>{GetParam().cell});
}

INSTANTIATE_TEST_SUITE_P(Starts, BoxWalk,
                         testing::Values(BoxStart{158, 7},    // start 159: 160, then wraps to 1
                                         BoxStart{159, 7},    // start 160: cell 1 first
                                         BoxStart{160, 7},    // start 161: cell 1 first
                                         BoxStart{161, 7},    // 161 mod 161 is 0: start 1
                                         BoxStart{6, 7},      // start 7: cell 8 next
                                         BoxStart{7, 153},    // start 8: cell 8 comes last
                                         BoxStart{150, 153},  // start 151
                                         BoxStart{151, 7}));  // start 152: 152 comes last

TEST_F(Opponent, ALoneAcceptedCellIsFoundFromEveryStart) {
  for (int r = 0; r < 161; ++r) {
    EmptyBoard(1);
    box[100] = SideBottom;  // row 4, column 2: its right side is 101
    std::srand(SeedForNextRand(r));
    PickSecondSide();
    ASSERT_EQ(DrawnLines(), std::vector<int>{101}) << "start " << r % 161 + 1;
  }
}

TEST_F(Opponent, RulesDoNothingWhenTheUserIsToMoveButStillDrawTheirNumber) {
  NewGame();
  f = 0;
  std::srand(1);
  PickQuietLine();
  PickSecondSide();
  PickSacrifice();
  EXPECT_TRUE(DrawnLines().empty());
  EXPECT_EQ(std::rand(), FreshRand[3]);
}

TEST_F(Opponent, ChainIsTakenInTheSamePassWhenItRunsInScanOrder) {
  // Boxes 8, 10 and 12 have top and bottom; box 8 also its left side. Taking 8 through
  // line 9 makes 10 three-sided, and so on, left to right.
  EmptyBoard(1);
  Draw({0, 1, 2, 22, 23, 24, 7}, OwnerUser);
  std::srand(1);
  ComputerTurn();
  const Log start(Effects.begin(), Effects.begin() + 12);
  EXPECT_EQ(start, (Log{"draw 9", "sound box", "score computer", "draw 8", "sleep 200", "draw 11",
                        "sound box", "score computer", "draw 10", "sleep 200", "draw 13", "sound box"}));
  EXPECT_EQ(ComputerScore, 3);
  EXPECT_EQ(f, 0);  // and one more line was drawn by the rules
}

TEST_F(Opponent, ChainAgainstScanOrderIsTakenInLaterPasses) {
  // The same boxes, opened from the right: 12 has its right side, so 12 goes first, then
  // 10 and 8, each in a pass of its own.
  EmptyBoard(1);
  Draw({0, 1, 2, 22, 23, 24, 13}, OwnerUser);
  std::srand(1);
  ComputerTurn();
  std::vector<std::string> draws;
  for (const std::string& e : Effects)
    if (e.rfind("draw", 0) == 0) draws.push_back(e);
  ASSERT_GE(draws.size(), 6u);
  EXPECT_EQ(Log(draws.begin(), draws.begin() + 6),
            (Log{"draw 11", "draw 12", "draw 9", "draw 10", "draw 7", "draw 8"}));
  EXPECT_EQ(ComputerScore, 3);
  EXPECT_EQ(std::rand(), FreshRand[1]);  // the capture phase draws no number; one rule ran
}

TEST_F(Opponent, OneLineClosingTwoThreeSidedBoxesScoresBoth) {
  EmptyBoard(1);
  Draw({0, 7, 22, 1, 11, 23}, OwnerUser);  // 8 and 10 both miss line 9
  std::srand(1);
  ComputerTurn();
  EXPECT_EQ(ComputerScore, 2);
  EXPECT_EQ(Log(Effects.begin(), Effects.begin() + 9),
            (Log{"draw 9", "sound box", "score computer", "draw 8", "sleep 200", "sound box",
                 "score computer", "draw 10", "sleep 200"}));
}

TEST_F(Opponent, FSetOnEntryWithNothingToTakeEndsTheTurnAtOnce) {
  EmptyBoard(1);
  Draw({0}, OwnerUser);
  F = 1;
  std::srand(1);
  ComputerTurn();
  EXPECT_EQ(DrawnLines(), std::vector<int>{0});
  EXPECT_EQ(f, 0);
  EXPECT_EQ(F, 0);
  EXPECT_EQ(std::rand(), FreshRand[0]);
}

TEST_F(Opponent, FSetOnEntryIsClearedByACaptureAndTheRulesRun) {
  EmptyBoard(1);
  Draw({0, 7, 22}, OwnerUser);
  F = 1;
  std::srand(1);
  ComputerTurn();
  EXPECT_EQ(ComputerScore, 1);
  EXPECT_EQ(DrawnLines().size(), 5u);  // the capture and one line of the rules
  EXPECT_EQ(f, 0);
}

TEST_F(Opponent, FullBoardAfterNoDrawsThreeNumbersAndPlacesNothing) {
  EmptyBoard(1);
  Draw(AllLines(), OwnerUser);
  std::srand(1);
  ComputerTurn();
  EXPECT_TRUE(Effects.empty());
  EXPECT_EQ(f, 1);
  EXPECT_EQ(std::rand(), FreshRand[3]);
}

TEST_F(Opponent, YesDuringTheTurnOpensTheNewGameInsideIt) {
  // The computer takes the last box in its capture phase; Yes resets the board under the
  // running turn, which then draws the new game's opening line.
  EmptyBoard(1);
  std::vector<int> lines = AllLines();
  lines.erase(lines.begin());
  Draw(lines, OwnerUser);
  UserScore = 30;
  ComputerScore = 18;
  AnswerYes = 1;
  std::srand(1);
  ComputerTurn();
  EXPECT_EQ(DrawnLines(), std::vector<int>{61});
  EXPECT_EQ(occ[61], OwnerComputer);
  EXPECT_EQ(TakenBoxes(), 0);
  EXPECT_EQ(UserScore + ComputerScore, 0);
  EXPECT_EQ(f, 0);
  EXPECT_EQ(first, 0);
  EXPECT_EQ(Effects, (Log{"draw 0", "sound box", "score computer", "draw 8", "sleep 200", "thread win",
                          "ask Congratulation! You win. Play again?", "invalidate", "draw 61"}));
}

}  // namespace
