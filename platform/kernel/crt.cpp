// The handheld's C library generator, which replaces the desktop C library's rand and
// srand in this program: the games are the handheld's games, move for move.
#include <cstdlib>

namespace {
// The generator starts at 1, as it did on the device; the game never seeds it.
unsigned int randState = 1;
}  // namespace

int rand() noexcept {
  randState = randState * 214013u + 2531011u;
  return static_cast<int>((randState >> 16) & 0x7FFF);
}

void srand(unsigned int seed) noexcept { randState = seed; }
