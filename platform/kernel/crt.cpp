// The handheld's C library generator, which replaces the desktop C library's rand and
// srand in this program: the games are the handheld's games, move for move.
#include <cstdlib>

namespace {
// As on the handheld: the generator starts at 1 and the game never seeds it, so a fresh
// program's first game opens with the same line every time, as the device's did.
unsigned int randState = 1;
}  // namespace

// Declared as the C library declares them: glibc promises no exception, the web's C
// library does not.
int rand() noexcept(noexcept(::rand())) {
  randState = randState * 214013u + 2531011u;
  return static_cast<int>((randState >> 16) & 0x7FFF);
}

void srand(unsigned int seed) noexcept(noexcept(::srand(0))) { randState = seed; }
