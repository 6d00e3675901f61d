// The handheld's C library generator, the game's only chance: the games are the handheld's
// games, move for move. It lives beside the desktop's C library, not in its place.
namespace {
// As on the handheld: the generator starts at 1 and the game never seeds it, so a fresh
// program's first game opens with the same line every time, as the device's did.
unsigned int randState = 1;
}  // namespace

// Under names of their own rather than as ::rand and ::srand: a definition of those would
// be the one the desktop's libraries bind to as well, wherever the program exports it (and
// it does, once any library it links uses rand), so the sound server's client library,
// drawing on its own thread, would move the game's generator. Hidden, so they stay out of
// the program's exported symbols whatever it is linked with.
// The game declares them itself, as it declares every call it makes outward.
namespace handheld {

int rand();
void srand(unsigned int seed);

[[gnu::visibility("hidden")]] int rand() {
  randState = randState * 214013u + 2531011u;
  return static_cast<int>((randState >> 16) & 0x7FFF);
}

[[gnu::visibility("hidden")]] void srand(unsigned int seed) { randState = seed; }

}  // namespace handheld
