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
#include <vector>

#include "settings/settings.h"
#include "tests/settings/saved_game.h"
#include "tests/support/temp_config.h"

namespace {

// Game number n: every value is derived from n, so a mix of two saves is seen at once;
// UserScore holds n itself.
std::vector<int32_t> Numbered(int32_t n) {
  std::vector<int32_t> game(GameValues().size());
  for (size_t i = 0; i < game.size(); ++i)
    game[i] = static_cast<int32_t>(static_cast<uint32_t>(n) * 2654435761u + i);
  game[game.size() - 2] = n;
  return game;
}

[[noreturn]] void SaveForever(int32_t from) {
  for (int32_t n = from;; ++n) {
    SetGame(Numbered(n));
    SaveGame();
    Sound = n & 1;  // the settings are replaced in between, as the Options dialog does
    Skin = n % 6;
    SaveSettings();
  }
}

}  // namespace

int main(int argc, char** argv) {
  const int kills = argc > 1 ? std::atoi(argv[1]) : 300;
  const unsigned seed =
      argc > 2 ? static_cast<unsigned>(std::strtoul(argv[2], nullptr, 10)) : std::random_device{}();
  std::printf("seed %u\n", seed);
  std::mt19937 random(seed);
  std::string root;
  const std::string file = UseTempConfig(root);
  const std::string temp = file + ".new";

  SetGame(Numbered(1));
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
    } else if (CurrentGame() != Numbered(UserScore)) {
      ++torn;
    } else {
      older += UserScore < latest ? 1 : 0;
      saves += UserScore - latest;
      latest = UserScore;
    }
  }
  RemoveTempConfig(root);
  std::printf(
      "%d kills (%d inside a replacement), %lld games saved between them: %d torn, %d lost, %d older\n",
      kills, inside, static_cast<long long>(saves), torn, lost, older);
  return torn + lost + older == 0 ? 0 : 1;
}
