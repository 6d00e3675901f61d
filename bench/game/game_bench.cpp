// How fast the game core plays: whole games of the computer against a random tapper, and
// one computer turn on mid-game boards. Pauses, drawing and sounds are off.
#include <benchmark/benchmark.h>

#include <cstring>
#include <random>
#include <vector>

#include "game/board.h"
#include "game/opponent.h"
#include "platform/emulator.h"

namespace {

std::vector<int> Lines() {
  std::vector<int> lines;
  for (int cell = 0; cell < CellCount; ++cell)
    if (IsLine(cell)) lines.push_back(cell);
  return lines;
}

// One game as the main window plays it: the computer opens, each tap that hands over the
// turn is answered by a computer turn.
void PlayGame(std::mt19937& tapper, const std::vector<int>& lines) {
  NewGame();
  ComputerTurn();
  while (UserScore + ComputerScore < BoxCount) {
    PlaceLine(lines[tapper() % lines.size()]);
    if (f != 0) ComputerTurn();
  }
}

void WholeGames(benchmark::State& state) {
  std::mt19937 tapper(1);
  const std::vector<int> lines = Lines();
  for (auto _ : state) {
    PlayGame(tapper, lines);
    benchmark::DoNotOptimize(ComputerScore);
  }
  state.counters["games/s"] =
      benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(WholeGames);

struct Board {
  int32_t occ[CellCount], box[CellCount], f, first, F, user, computer;
};

// Boards with the user to move after `taps` random taps, saved whole.
std::vector<Board> MidGameBoards(int taps) {
  std::mt19937 tapper(2);
  const std::vector<int> lines = Lines();
  std::vector<Board> boards;
  while (boards.size() < 64) {
    NewGame();
    ComputerTurn();
    for (int i = 0; i < taps && UserScore + ComputerScore < BoxCount; ++i) {
      PlaceLine(lines[tapper() % lines.size()]);
      if (f != 0) ComputerTurn();
    }
    // The next free line the user could draw, so the computer has a turn to play.
    for (int line : lines) {
      if (occ[line] != 0) continue;
      PlaceLine(line);
      break;
    }
    if (f != 1 || UserScore + ComputerScore >= BoxCount) continue;
    Board b;
    std::memcpy(b.occ, occ, sizeof occ);
    std::memcpy(b.box, box, sizeof box);
    b.f = f, b.first = first, b.F = F, b.user = UserScore, b.computer = ComputerScore;
    boards.push_back(b);
  }
  return boards;
}

void Restore(const Board& b) {
  std::memcpy(occ, b.occ, sizeof occ);
  std::memcpy(box, b.box, sizeof box);
  f = b.f, first = b.first, F = b.F, UserScore = b.user, ComputerScore = b.computer;
}

// One computer turn, the board restored before each; range(0) is the user's taps so far.
void ComputerTurnMidGame(benchmark::State& state) {
  const std::vector<Board> boards = MidGameBoards(static_cast<int>(state.range(0)));
  size_t i = 0;
  for (auto _ : state) {
    Restore(boards[i++ % boards.size()]);
    ComputerTurn();
    benchmark::DoNotOptimize(f);
  }
}
BENCHMARK(ComputerTurnMidGame)->Arg(5)->Arg(15)->Arg(25);

// The restore alone, to subtract from the turn.
void RestoreOnly(benchmark::State& state) {
  const std::vector<Board> boards = MidGameBoards(15);
  size_t i = 0;
  for (auto _ : state) {
    Restore(boards[i++ % boards.size()]);
    benchmark::DoNotOptimize(occ);
  }
}
BENCHMARK(RestoreOnly);

}  // namespace

int main(int argc, char** argv) {
  EmulatorSetPauses(FALSE);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
}
