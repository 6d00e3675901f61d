// A library that uses the C library's generator from a thread of its own, loaded into the
// program for a test (LD_PRELOAD): it seeds and draws over and over for as long as the
// process lives, as a sound server's client library might. The game's own generator must
// not move for it.
#include <chrono>
#include <cstdlib>
#include <thread>

namespace {

[[gnu::constructor]] void StartDrawing() {
  std::thread([] {
    for (unsigned seed = 1;; ++seed) {
      std::srand(seed);
      for (int i = 0; i < 8; ++i) static_cast<void>(std::rand());
      std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
  }).detach();
}

}  // namespace
