// Drawing lines, taking boxes, handing over the turn and the end-of-game question.
#include "game/board.h"

#include <gtest/gtest.h>

#include "game/effects.h"
#include "game/stand_ins/recorder.h"
#include "tests/game/boards.h"

namespace {

// A line closing nothing, drawn by the user, by the computer, or drawn already: the user's
// passes the turn, the computer's keeps it and clears `first`, a drawn one changes nothing,
// not even F.
TEST(Placement, ALineThatClosesNothingPassesTheUsersTurnOnly) {
  const struct {
    const char* what;
    int toMove;
    bool drawn;
    int32_t owner, f, first, F;
    const char* effects;
  } cases[] = {{"the user's", 0, false, OwnerUser, 1, 0, 0, "draw 0"},
               {"the computer's", 1, false, OwnerComputer, 1, 0, 0, "draw 0"},
               {"drawn already", 0, true, OwnerComputer, 0, 0, 1, ""}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ResetEffects();
    EmptyBoard(c.toMove);
    first = c.toMove;  // set only before the computer's opening line
    if (c.drawn) {
      Draw({0}, OwnerComputer);
      F = 1;
    }
    PlaceLine(0);
    EXPECT_EQ(occ[0], c.owner);
    EXPECT_EQ(box[8], SideTop);
    EXPECT_TRUE(f == c.f && first == c.first && F == c.F) << f << first << F;
    EXPECT_EQ(Joined(Effects), c.effects);
  }
}

// A line between two three-sided boxes takes both for the side to move, the box above or
// to the left first; each box sounds, scores, draws and pauses, and the turn stays.
TEST(Placement, LineClosingTwoBoxesScoresBothInOrderAndKeepsTheTurn) {
  const struct {
    int toMove, line;
    std::vector<int> drawn;
    const char* effects;
  } cases[] = {
      // Horizontal line 24: the bottom of box 12 and the top of box 34.
      {0,
       24,
       {2, 11, 13, 33, 35, 46},
       "draw 24, sound box, score user, draw 12, sleep 200, sound box, score user, draw 34, sleep 200"},
      // Vertical line 31: the right side of box 30 and the left side of box 32.
      {1,
       31,
       {22, 29, 44, 23, 33, 45},
       "draw 31, sound box, score computer, draw 30, sleep 200, sound box, score computer, draw 32, sleep "
       "200"},
  };
  for (const auto& c : cases) {
    ResetEffects();
    EmptyBoard(c.toMove);
    Draw(c.drawn, OwnerUser);
    PlaceLine(c.line);
    EXPECT_EQ(Joined(Effects), c.effects);
    EXPECT_EQ(c.toMove == 1 ? ComputerScore : UserScore, 2);
    EXPECT_TRUE(f == c.toMove && F == 0);
  }
}

// The last box: every line but cell 0 is drawn, so box 8 waits for its top side. Yes
// clears the board and the scores for a game the computer opens; No leaves the board full
// and the turn where it was.
TEST(EndOfGame, AsksAndActsOnTheAnswer) {
  const struct {
    const char* what;
    int closer;  // f when line 0 is drawn
    int32_t user, computer, sound, yes;
    const char* effects;
  } cases[] = {
      {"the user wins, yes", 0, 24, 24, 1, 1,
       "draw 0, sound box, score user, draw 8, sleep 200, thread win, ask Congratulation! You win. Play "
       "again?, "
       "invalidate"},
      {"the user wins, no", 0, 30, 18, 1, 0,
       "draw 0, sound box, score user, draw 8, sleep 200, thread win, ask Congratulation! You win. Play "
       "again?"},
      {"the computer wins, yes", 1, 10, 38, 1, 1,
       "draw 0, sound box, score computer, draw 8, sleep 200, thread lose, ask You lost. Play again?, "
       "invalidate"},
      {"the user takes the last but loses", 0, 10, 38, 1, 0,
       "draw 0, sound box, score user, draw 8, sleep 200, thread lose, ask You lost. Play again?"},
      {"the computer takes the last, the user wins", 1, 25, 23, 1, 0,
       "draw 0, sound box, score computer, draw 8, sleep 200, thread win, ask Congratulation! You win. Play "
       "again?"},
      {"a silent win", 0, 24, 24, 0, 0,
       "draw 0, score user, draw 8, sleep 200, ask Congratulation! You win. Play again?"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ResetEffects();
    FullBoardBut({0}, c.closer);
    F = c.yes;  // a new game clears it
    UserScore = c.user;
    ComputerScore = c.computer;
    Sound = c.sound;
    AnswerYes = c.yes;
    PlaceLine(0);
    EXPECT_EQ(Joined(Effects), c.effects);
    if (c.yes) {
      for (int cell = 0; cell < CellCount; ++cell) ASSERT_TRUE(occ[cell] == 0 && box[cell] == 0) << cell;
      EXPECT_TRUE(UserScore == 0 && ComputerScore == 0 && f == 1 && first == 1);
    } else {
      EXPECT_EQ(TakenBoxes(), 49);
      EXPECT_EQ(UserScore + ComputerScore, 49);
      EXPECT_EQ(f, c.closer);
    }
    EXPECT_EQ(F, 0);
  }
}

}  // namespace
