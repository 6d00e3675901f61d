// Durability of the saved game: a child process saves games in a loop and is killed
// (SIGKILL) at random moments, hundreds of times; after each kill the file must hold one
// whole game, never a torn or lost one, and never an older one than was read before.
//   kill_while_saving [KILLS [SEED]]   prints the counts; fails when any file was torn or lost
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

#include "game/board.h"
#include "settings/settings.h"
#include "tests/support/temp_config.h"

void DrawCell(int) {}
void InvalidateUserScore() {}
void InvalidateComputerScore() {}
int AskYesNo(const char16_t*) { return 0; }
void InvalidateMainWindow() {}
char16_t BoxSoundPath[260];
char16_t WinSoundPath[260];
char16_t LoseSoundPath[260];
void PlayEffect(const char16_t*) {}
void PlayEffectOnThread(const char16_t*) {}

namespace {

// Game number n: every one of the seven values is derived from n, so a mix of two saves
// is seen at once.
int32_t Derived(int32_t n, int32_t i) { return static_cast<int32_t>(static_cast<uint32_t>(n) * 2654435761u + i); }

void MakeGame(int32_t n) {
  for (int i = 0; i < CellCount; ++i) {
    occ[i] = Derived(n, i);
    box[i] = Derived(n, 1000 + i);
  }
  UserScore = n;
  ComputerScore = Derived(n, -1);
  f = Derived(n, -2);
  F = Derived(n, -3);
  first = Derived(n, -4);
}

bool IsWholeGame(int32_t n) {
  for (int i = 0; i < CellCount; ++i)
    if (occ[i] != Derived(n, i) || box[i] != Derived(n, 1000 + i)) return false;
  return UserScore == n && ComputerScore == Derived(n, -1) && f == Derived(n, -2) && F == Derived(n, -3) &&
         first == Derived(n, -4);
}

[[noreturn]] void SaveForever(int32_t from) {
  for (int32_t n = from;; ++n) {
    MakeGame(n);
    SaveGame();
    Sound = n & 1;  // the settings are replaced in between, as the Options dialog does
    Skin = n % 6;
    SaveSettings();
  }
}

}  // namespace

int main(int argc, char** argv) {
  const int kills = argc > 1 ? std::atoi(argv[1]) : 300;
  const unsigned seed = argc > 2 ? static_cast<unsigned>(std::strtoul(argv[2], nullptr, 10)) : std::random_device{}();
  std::printf("seed %u\n", seed);
  std::mt19937 random(seed);
  std::string root;
  const std::string file = UseTempConfig(root);
  const std::string temp = file + ".new";

  MakeGame(1);
  SaveGame();
  int32_t latest = 1;
  int torn = 0, lost = 0, older = 0, inside = 0;
  int64_t saves = 0;
  for (int k = 0; k < kills; ++k) {
    std::fflush(stdout);
    const pid_t child = fork();
    if (child < 0) return 2;
    if (child == 0) SaveForever(latest + 1);
    usleep(std::uniform_int_distribution<useconds_t>(500, 20000)(random));
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    // A temporary file left behind: the kill came between its creation and the rename.
    if (std::remove(temp.c_str()) == 0) ++inside;

    NewGame();
    if (LoadGame() != 1) {
      ++lost;
      continue;
    }
    LoadSettings();
    if (!IsWholeGame(UserScore)) {
      ++torn;
      continue;
    }
    if (UserScore < latest) ++older;
    saves += UserScore - latest;
    latest = UserScore;
  }
  RemoveTempConfig(root);
  std::printf("%d kills (%d inside a replacement), %lld games saved between them: %d torn, %d lost, %d older\n",
              kills, inside, static_cast<long long>(saves), torn, lost, older);
  return torn + lost + older == 0 ? 0 : 1;
}
