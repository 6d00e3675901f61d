// The computer's turn: the capture phase, the F test, the three rules and their walks.
#include "game/opponent.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>
#include <utility>

#include "game/board.h"
#include "game/effects.h"
#include "game/stand_ins/recorder.h"
#include "tests/game/boards.h"

namespace {

struct Opponent : testing::Test {
  void SetUp() override { ResetEffects(); }
};

// The generator's first numbers from a fresh start.
constexpr int FreshRand[] = {41, 18467, 6334, 26500, 19169};

// Lines drawn on the board, in cell order.
std::vector<int> DrawnLines() {
  std::vector<int> lines = AllLines();
  std::erase_if(lines, [](int line) { return occ[line] == 0; });
  return lines;
}

// The lines a rule draws after drawing the number r.
std::vector<int> Picked(void (*rule)(), int r) {
  handheld::srand(SeedForNextRand(r));
  rule();
  return DrawnLines();
}

// How many numbers a turn drew from a fresh start.
int NumbersDrawn(void (*turn)()) {
  handheld::srand(1);
  turn();
  return static_cast<int>(std::ranges::find(FreshRand, handheld::rand()) - std::begin(FreshRand));
}

TEST_F(Opponent, FreshProgramOpensWithCell61DrawingOneNumber) {
  NewGame();
  EXPECT_EQ(NumbersDrawn(ComputerTurn), 1);  // the other rules drew nothing
  EXPECT_EQ(DrawnLines(), std::vector<int>{61});
  EXPECT_EQ(occ[61], OwnerComputer);
  EXPECT_TRUE(f == 0 && first == 0);
}

// The quiet-line walk takes the candidate after its start (the number drawn mod 112, plus
// one), skipping lines beside a box with sides; a border line tests only its one box.
TEST_F(Opponent, TheQuietWalkTakesTheFirstQuietCandidateAfterItsStart) {
  // The number drawn, the one box without sides (-1: an empty board) and the line placed.
  // Number 0 is start 1, which takes candidate 2; 41 takes candidate 43; 111 is start 112,
  // which wraps to 1, and so is 223 (223 mod 112 is 111); 32767 mod 112 is 63, so candidate
  // 65. With only the corner box open, 0 takes its right border, and 105 (start 106) tries
  // candidate 107 (cell 155) first, then the box's bottom border.
  const int cases[][3] = {{0, -1, 1},      {41, -1, 61},   {6, -1, 7},     {13, -1, 21}, {14, -1, 22},
                          {103, -1, 153},  {104, -1, 154}, {110, -1, 160}, {111, -1, 0}, {223, -1, 0},
                          {32767, -1, 92}, {0, 152, 153},  {105, 152, 160}};
  for (const auto& [r, open, cell] : cases) {
    SCOPED_TRACE(testing::Message() << "number " << r << ", open box " << open);
    EmptyBoard(1);
    for (int other = 0; other < CellCount; ++other)  // every box given a side but the open one, if any
      if (open >= 0 && IsBox(other) && other != open) box[other] = SideTop;
    EXPECT_EQ(Picked(PickQuietLine, r), std::vector<int>{cell});
    EXPECT_EQ(f, 0);
  }
  // Start 112: candidates 1 (cell 0) and 2 (cell 1) touch boxes 8 and 10, which have sides.
  EmptyBoard(1);
  box[8] = SideRight;
  box[10] = SideLeft;
  EXPECT_EQ(Picked(PickQuietLine, 111), std::vector<int>{2});
}

// What each box rule does with a lone box of each mask: the line it places, or -1 when it
// places none and the turn stays. Box 60: row 2, column 4; top 48, left 59, right 61,
// bottom 70. The second-side rule falls back on the sacrifice.
TEST_F(Opponent, TheBoxRulesPlaceTheLineOfTheirMaskTable) {
  const int lines[16][2] = {{-1, -1}, {59, -1}, {61, -1}, {-1, 61}, {59, -1}, {-1, 59}, {-1, 48}, {-1, -1},
                            {61, -1}, {-1, 61}, {-1, 61}, {-1, -1}, {-1, 59}, {-1, -1}, {-1, -1}, {-1, -1}};
  for (int mask = 0; mask < 16; ++mask)
    for (bool sacrificeOnly : {false, true}) {
      SCOPED_TRACE(testing::Message()
                   << "mask " << mask << (sacrificeOnly ? ", sacrifice" : ", second side"));
      EmptyBoard(1);
      box[60] = mask;
      const int expected = sacrificeOnly || lines[mask][0] < 0 ? lines[mask][1] : lines[mask][0];
      EXPECT_EQ(Picked(sacrificeOnly ? PickSacrifice : PickSecondSide, 1000),
                expected < 0 ? std::vector<int>{} : std::vector<int>{expected});
      EXPECT_EQ(f, expected < 0 ? 1 : 0);
    }
}

// Two one-sided boxes, 8 (top drawn: its left, 7, is placed) and 152 (bottom drawn: its
// right, 153, is placed); the first after the start in ring order wins. A lone box is found
// from every start.
TEST_F(Opponent, TheBoxWalkTakesTheFirstAcceptedCellAfterItsStart) {
  // The number drawn and the line placed. Starts 159 (160, then it wraps to 1), 160 and 161
  // (cell 1 first), 1 (161 mod 161 is 0) and 7 (cell 8 next) find box 8; start 8 (cell 8
  // comes last) and 151 find box 152, and start 152 (152 comes last) box 8 again.
  const int starts[][2] = {{158, 7}, {159, 7}, {160, 7}, {161, 7}, {6, 7}, {7, 153}, {150, 153}, {151, 7}};
  for (const auto& [r, cell] : starts) {
    EmptyBoard(1);
    box[8] = SideTop;
    box[152] = SideBottom;
    EXPECT_EQ(Picked(PickSecondSide, r), std::vector<int>{cell}) << "number " << r;
  }
  for (int r = 0; r < 161; ++r) {
    EmptyBoard(1);
    box[100] = SideBottom;  // row 4, column 2: its right side is 101
    ASSERT_EQ(Picked(PickSecondSide, r), std::vector<int>{101}) << "start " << r % 161 + 1;
  }
}

TEST_F(Opponent, RulesDoNothingWhenTheUserIsToMoveButStillDrawTheirNumber) {
  NewGame();
  f = 0;
  EXPECT_EQ(NumbersDrawn([] {
              for (auto rule : {PickQuietLine, PickSecondSide, PickSacrifice}) rule();
            }),
            3);
  EXPECT_TRUE(DrawnLines().empty());
}

// Boxes 8, 10 and 12 have top and bottom. Opened on the left (box 8's left side), taking 8
// through line 9 makes 10 three-sided, and so on, in one pass; opened on the right, 12 goes
// first, then 10 and 8, each in a pass of its own. The capture phase draws no number; one
// rule ran after it.
TEST_F(Opponent, AChainIsTakenInOnePassAlongTheScanOrderAndInOnePassABoxAgainstIt) {
  // The line that opens the chain, and the draws.
  const std::pair<int, const char*> cases[] = {{7, "draw 9, draw 8, draw 11, draw 10, draw 13, draw 12"},
                                               {13, "draw 11, draw 12, draw 9, draw 10, draw 7, draw 8"}};
  for (const auto& [opened, expected] : cases) {
    ResetEffects();
    EmptyBoard(1);
    Draw({0, 1, 2, 22, 23, 24, opened}, OwnerUser);
    EXPECT_EQ(NumbersDrawn(ComputerTurn), 1);
    std::vector<std::string> draws;
    for (const std::string& e : Effects)
      if (e.rfind("draw", 0) == 0) draws.push_back(e);
    EXPECT_EQ(Joined(draws, 6), expected);
    EXPECT_EQ(ComputerScore, 3);
    EXPECT_EQ(DrawnLines().size(), 11u);  // and one line of the rules
    EXPECT_EQ(f, 0);
  }
}

// F set on entry: with nothing to take the turn ends at once, no number drawn; a capture
// clears it and the rules run.
TEST_F(Opponent, FSetOnEntryEndsTheTurnUnlessACaptureClearsIt) {
  // The user's lines, the lines drawn after the turn, the computer's score, the numbers drawn.
  const std::tuple<std::vector<int>, size_t, int32_t, int> cases[] = {{{0}, 1, 0, 0}, {{0, 7, 22}, 5, 1, 1}};
  for (const auto& [drawn, lines, score, numbers] : cases) {
    EmptyBoard(1);
    Draw(drawn, OwnerUser);
    F = 1;
    EXPECT_EQ(NumbersDrawn(ComputerTurn), numbers);
    EXPECT_EQ(ComputerScore, score);
    EXPECT_EQ(DrawnLines().size(), lines);
    EXPECT_TRUE(f == 0 && F == 0);
  }
}

TEST_F(Opponent, FullBoardAfterNoDrawsThreeNumbersAndPlacesNothing) {
  EmptyBoard(1);
  Draw(AllLines(), OwnerUser);
  EXPECT_EQ(NumbersDrawn(ComputerTurn), 3);
  EXPECT_TRUE(Effects.empty());
  EXPECT_EQ(f, 1);
}

// The computer takes the last box in its capture phase; Yes resets the board under the
// running turn, which then draws the new game's opening line.
TEST_F(Opponent, YesDuringTheTurnOpensTheNewGameInsideIt) {
  FullBoardBut({0}, 1);
  UserScore = 30;
  ComputerScore = 18;
  AnswerYes = 1;
  handheld::srand(1);
  ComputerTurn();
  EXPECT_EQ(DrawnLines(), std::vector<int>{61});
  EXPECT_EQ(occ[61], OwnerComputer);
  EXPECT_EQ(TakenBoxes(), 0);
  EXPECT_TRUE(UserScore == 0 && ComputerScore == 0 && f == 0 && first == 0);
  EXPECT_EQ(Joined(Effects),
            "draw 0, sound box, score computer, draw 8, sleep 200, thread win, "
            "ask Congratulation! You win. Play again?, invalidate, draw 61");
}

}  // namespace
