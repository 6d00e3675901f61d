// Whole games against a random tapper, with the board model's invariants checked after
// every move; and damaged boards, as a damaged saved game could give, that must not hang.
#include <gtest/gtest.h>

#include <chrono>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <random>

#include "game/board.h"
#include "game/effects.h"
#include "game/opponent.h"
#include "game/stand_ins/recorder.h"
#include "tests/game/boards.h"

namespace {

// The seed a test plays from, printed so that a failure can be played again.
uint32_t TestSeed(const char* what) {
  const char* text = std::getenv("MARLIX_TEST_SEED");
  const auto seed = static_cast<uint32_t>(text ? std::strtoul(text, nullptr, 10)
                                               : std::chrono::steady_clock::now().time_since_epoch().count());
  std::printf("%s seed %u (set MARLIX_TEST_SEED to repeat)\n", what, seed);
  return seed;
}

// The invariants of a board that play produced: lines keep their owner once drawn, each
// box's mask holds its drawn sides, a box is owned once closed, and the scores count the
// boxes. The turn rules themselves are the board and opponent tables' part.
void CheckBoard(const std::vector<int32_t>& before) {
  int owned[2] = {0, 0};
  for (int cell = 0; cell < CellCount; ++cell) {
    if (IsLine(cell)) {
      ASSERT_TRUE(before[cell] == 0 ? occ[cell] >= -1 && occ[cell] <= 1 : occ[cell] == before[cell]) << cell;
    } else if (IsBox(cell)) {
      const int mask = (occ[TopSide(cell)] ? SideTop : 0) | (occ[LeftSide(cell)] ? SideLeft : 0) |
                       (occ[RightSide(cell)] ? SideRight : 0) | (occ[BottomSide(cell)] ? SideBottom : 0);
      ASSERT_EQ(box[cell], mask) << "box " << cell << " mask differs from its drawn sides";
      ASSERT_EQ(occ[cell] != 0, mask == BoxClosed) << "box " << cell;
      if (occ[cell] != 0) ++owned[occ[cell] == OwnerUser ? 0 : 1];
    }
  }
  ASSERT_EQ(std::make_pair(UserScore, ComputerScore), std::make_pair(owned[0], owned[1]));
}

TEST(Property, RandomTapperGamesKeepTheBoardConsistent) {
  const uint32_t seed = TestSeed("random tapper");
  RecordProperty("seed", std::to_string(seed));
  std::mt19937 tapper(seed);
  handheld::srand(seed);
  ResetEffects();
  const std::vector<int> lines = AllLines();
  int games = 0, computerWins = 0;
  for (; games < 2000; ++games) {
    NewGame();
    AnswerYes = 0;
    ComputerTurn();  // the opening line
    std::vector<int32_t> before(occ, occ + CellCount);
    while (UserScore + ComputerScore < BoxCount) {
      PlaceLine(lines[tapper() % lines.size()]);
      if (f != 0) ComputerTurn();
      ASSERT_TRUE(f == 0 || UserScore + ComputerScore == BoxCount) << "the user's turn did not come back";
      CheckBoard(before);
      if (HasFatalFailure()) return;
      before.assign(occ, occ + CellCount);
    }
    if (ComputerScore > UserScore) ++computerWins;
  }
  std::printf("%d games, the computer won %d\n", games, computerWins);
  EXPECT_GT(computerWins, games / 2);  // three simple rules still beat a random tapper
}

// Damaged boards: every turn must end, and nothing may be read or written out of range.
// Nearly every round holds masks on line cells and three-sided boxes whose missing side is
// drawn already, which no capture pass can close.
TEST(Damaged, JunkInEveryValueNeverHangsOrOverruns) {
  std::mt19937 junk(TestSeed("damaged boards"));
  const int32_t extremes[] = {0, 1, -1, 2, 7, 11, 13, 14, 15, 16, 49, INT_MAX, INT_MIN, 0x7FFFFFF0};
  auto value = [&]() -> int32_t {
    switch (junk() % 3) {
      case 0: return extremes[junk() % std::size(extremes)];
      case 1: return static_cast<int32_t>(junk() % 17);
      default: return static_cast<int32_t>(junk());
    }
  };
  ResetEffects();
  AnswerYes = 0;
  for (int round = 0; round < 3000; ++round) {
    for (int i = 0; i < CellCount; ++i) {
      occ[i] = junk() % 2 ? value() : 0;
      box[i] = junk() % 2 ? value() : 0;
    }
    for (int32_t* number : {&f, &F, &first, &UserScore, &ComputerScore}) *number = value();
    handheld::srand(static_cast<unsigned>(junk()));
    if (round % 2 == 0) {
      ComputerTurn();
    } else {
      PlaceLine(static_cast<int>(junk() % 200) - 20);
      if (f != 0) ComputerTurn();
    }
    Effects.clear();
  }
  SUCCEED();
}

}  // namespace
