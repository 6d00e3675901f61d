// What a sound costs the game's thread: PlayEffect (a stop, then an asynchronous play) of
// the player's sound, as each tap makes it, with the wave player's sound thread and the
// output doing the rest meanwhile. SDL's dummy sound driver unless SDL_AUDIODRIVER names
// another: bench/app/tap.sh shows how to run it through a sound server of its own.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include "platform/emulator.h"
#include "sound/sounds.h"

namespace {

const std::u16string& PlayerSound() {
  static const std::u16string path = EmulatorDevicePath(MARLIX_RES_DIR "/player.wav");
  return path;
}

// Taps in quick succession: each cuts the sound of the one before.
void TapSound(benchmark::State& state) {
  for (auto _ : state) PlayEffect(PlayerSound().c_str());
}
BENCHMARK(TapSound);

// Taps some milliseconds apart, as a player makes them: 100 ms apart each sound starts on an
// open output, 2100 ms apart about when the sound thread closes it.
// The median and the largest are given too: on a busy machine the mean carries the odd
// moment the game's thread was not running at all.
void TapSoundAsPlayed(benchmark::State& state) {
  std::vector<double> times;
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    PlayEffect(PlayerSound().c_str());
    times.push_back(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    state.SetIterationTime(times.back());
    std::this_thread::sleep_for(std::chrono::milliseconds(state.range(0)));
  }
  std::sort(times.begin(), times.end());
  state.counters["median_us"] = times[times.size() / 2] * 1e6;
  state.counters["max_us"] = times.back() * 1e6;
}
BENCHMARK(TapSoundAsPlayed)->Arg(100)->UseManualTime()->Iterations(50)->Unit(benchmark::kMicrosecond);
BENCHMARK(TapSoundAsPlayed)->Arg(2100)->UseManualTime()->Iterations(8)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
