// The board model: lines drawn for the side to move, boxes closed and scored, the turn
// handed over, and the end-of-game question after the 49th box.
#include "game/board.h"

#include "game/effects.h"

int32_t occ[CellCount];
int32_t box[CellCount];
int32_t f = 1;
int32_t first = 1;
int32_t F;
int32_t UserScore;
int32_t ComputerScore;

namespace {

constexpr uint32_t BoxPause = 200;

// A restored game may hold any numbers at all; counting wraps instead of overflowing.
int32_t WrappingAdd(int32_t a, int32_t b) {
  return static_cast<int32_t>(static_cast<uint32_t>(a) + static_cast<uint32_t>(b));
}

}  // namespace

void NewGame() {
  for (int i = 0; i < CellCount; ++i) {
    occ[i] = OwnerNone;
    box[i] = 0;
  }
  UserScore = 0;
  ComputerScore = 0;
  f = 1;
  first = 1;
  F = 0;
}

void PlaceLine(int cell) {
  if (!IsLine(cell) || occ[cell] != OwnerNone) return;  // drawn already: nothing changes
  occ[cell] = f == 1 ? OwnerComputer : OwnerUser;
  if (first == 1) first = 0;
  DrawCell(cell);

  const int col = cell % RowStride;
  const int row = cell / RowStride;
  if (IsHorizontalLine(cell)) {
    if (row >= 1) AddBoxSide(BoxCell(row - 1, col), SideBottom);
    if (row <= 6) AddBoxSide(BoxCell(row, col), SideTop);
  } else {
    const int k = (col - 7) / 2;
    if (k >= 1) AddBoxSide(cell - 1, SideRight);
    if (k <= 6) AddBoxSide(cell + 1, SideLeft);
  }

  // A user line that closes nothing passes the turn; the computer's turn hands it back itself.
  if (f == 0 && F == 0) f = 1;
  F = 0;
}

void AddBoxSide(int boxCell, int32_t bit) {
  if (!IsBox(boxCell)) return;
  box[boxCell] = WrappingAdd(box[boxCell], bit);
  if (box[boxCell] != BoxClosed) return;

  if (Sound == 1) PlayEffect(BoxSoundPath);
  if (f == 1) {
    occ[boxCell] = OwnerComputer;
    ComputerScore = WrappingAdd(ComputerScore, 1);
    InvalidateComputerScore();
  } else {
    occ[boxCell] = OwnerUser;
    UserScore = WrappingAdd(UserScore, 1);
    InvalidateUserScore();
  }
  F = 1;
  DrawCell(boxCell);
  Sleep(BoxPause);

  if (static_cast<int64_t>(UserScore) + ComputerScore != BoxCount) return;
  const char16_t* question;
  if (UserScore > ComputerScore) {
    if (Sound == 1) PlayEffectOnThread(WinSoundPath);
    question = u"Congratulation! You win. Play again?";
  } else {
    if (Sound == 1) PlayEffectOnThread(LoseSoundPath);
    question = u"You lost. Play again?";
  }
  // As on the handheld: Yes resets the board under whatever turn is running, and that turn
  // goes on over the new board. The computer's turn draws the new game's opening line inside
  // this message, so the repaint asked for here finds `first` at 0 and plays no start sound.
  if (AskYesNo(question)) {
    NewGame();
    InvalidateMainWindow();
  }
}
