// Drawing lines, taking boxes, handing over the turn and the end-of-game question.
#include "game/board.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "game/effects.h"
#include "game/stand_ins/recorder.h"
#include "tests/game/boards.h"

namespace {

// A line closing nothing, drawn by the user, by the computer, or drawn already: the user's
// passes the turn, the computer's keeps it and clears `first`, a drawn one changes nothing,
// not even F.
TEST(Placement, ALineThatClosesNothingPassesTheUsersTurnOnly) {
  // Each case: which line, the side to move, whether it is drawn already, then the line's
  // owner, f, first and F afterwards, and the effects.
  const std::tuple<const char*, int, bool, int32_t, int32_t, int32_t, int32_t, const char*> cases[] = {
      {"the user's", 0, false, OwnerUser, 1, 0, 0, "draw 0"},
      {"the computer's", 1, false, OwnerComputer, 1, 0, 0, "draw 0"},
      {"drawn already", 0, true, OwnerComputer, 0, 0, 1, ""}};
  for (const auto& [what, toMove, drawn, owner, nextF, nextFirst, nextFlag, effects] : cases) {
    SCOPED_TRACE(what);
    ResetEffects();
    EmptyBoard(toMove);
    first = toMove;  // set only before the computer's opening line
    if (drawn) {
      Draw({0}, OwnerComputer);
      F = 1;
    }
    PlaceLine(0);
    EXPECT_EQ(occ[0], owner);
    EXPECT_EQ(box[8], SideTop);
    EXPECT_TRUE(f == nextF && first == nextFirst && F == nextFlag) << f << first << F;
    EXPECT_EQ(Joined(Effects), effects);
  }
}

// A line between two three-sided boxes takes both for the side to move, the box above or
// to the left first; each box sounds, scores, draws and pauses, and the turn stays.
TEST(Placement, LineClosingTwoBoxesScoresBothInOrderAndKeepsTheTurn) {
  // The side to move, the line, the lines drawn before and the effects.
  const std::tuple<int, int, std::vector<int>, const char*> cases[] = {
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
  for (const auto& [toMove, line, drawn, effects] : cases) {
    ResetEffects();
    EmptyBoard(toMove);
    Draw(drawn, OwnerUser);
    PlaceLine(line);
    EXPECT_EQ(Joined(Effects), effects);
    EXPECT_EQ(toMove == 1 ? ComputerScore : UserScore, 2);
    EXPECT_TRUE(f == toMove && F == 0);
  }
}

// The last box: every line but cell 0 is drawn, so box 8 waits for its top side. Yes
// clears the board and the scores for a game the computer opens; No leaves the board full
// and the turn where it was.
TEST(EndOfGame, AsksAndActsOnTheAnswer) {
  const std::string win = "ask Congratulation! You win. Play again?", lose = "ask You lost. Play again?";
  // Each case: who, f when line 0 is drawn, both scores before, Sound, the answer, the effects.
  const std::tuple<const char*, int, int32_t, int32_t, int32_t, int32_t, std::string> cases[] = {
      {"the user wins, yes", 0, 24, 24, 1, 1,
       "draw 0, sound box, score user, draw 8, sleep 200, thread win, " + win + ", invalidate"},
      {"the user wins, no", 0, 30, 18, 1, 0,
       "draw 0, sound box, score user, draw 8, sleep 200, thread win, " + win},
      {"the computer wins, yes", 1, 10, 38, 1, 1,
       "draw 0, sound box, score computer, draw 8, sleep 200, thread lose, " + lose + ", invalidate"},
      {"the user takes the last but loses", 0, 10, 38, 1, 0,
       "draw 0, sound box, score user, draw 8, sleep 200, thread lose, " + lose},
      {"the computer takes the last, the user wins", 1, 25, 23, 1, 0,
       "draw 0, sound box, score computer, draw 8, sleep 200, thread win, " + win},
      {"a silent win", 0, 24, 24, 0, 0, "draw 0, score user, draw 8, sleep 200, " + win},
  };
  for (const auto& [what, closer, user, computer, sound, yes, effects] : cases) {
    SCOPED_TRACE(what);
    ResetEffects();
    FullBoardBut({0}, closer);
    F = yes;  // a new game clears it
    UserScore = user;
    ComputerScore = computer;
    Sound = sound;
    AnswerYes = yes;
    PlaceLine(0);
    EXPECT_EQ(Joined(Effects), effects);
    if (yes) {
      for (int cell = 0; cell < CellCount; ++cell) ASSERT_TRUE(occ[cell] == 0 && box[cell] == 0) << cell;
      EXPECT_TRUE(UserScore == 0 && ComputerScore == 0 && f == 1 && first == 1);
    } else {
      EXPECT_EQ(TakenBoxes(), 49);
      EXPECT_EQ(UserScore + ComputerScore, 49);
      EXPECT_EQ(f, closer);
    }
    EXPECT_EQ(F, 0);
  }
}

}  // namespace
