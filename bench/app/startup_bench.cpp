// The program beside a bare SDL2 program (the floor) under an X server: time from the start
// of the process to its first frame on the screen, peak memory, and processor time used
// while idle for ten seconds. Run by bench/app/run.sh, which brings its own Xvfb.
#include <benchmark/benchmark.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "process_figures.h"

extern char** environ;

namespace {

constexpr int IdleSeconds = 10;
// The start sound and the computer's opening line end first, and the sound output closes
// two seconds after the last sound.
constexpr int SettleSeconds = 4;

struct Program {
  const char* name;
  const char* path;
};
const Program Game{"game", MARLIX_PROGRAM};
const Program Floor{"floor", MARLIX_FLOOR};

struct Running {
  pid_t pid = 0;
  int errors = -1;         // the program's standard error
  double firstFrame = -1;  // seconds from the start of the process
  std::string config;
};

int64_t Now() {
  timespec now;
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<int64_t>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

// The settings folder of each program, kept from one start to the next as a player's is:
// after the first start the settings are there, and a game in play.
std::string SettingsFolder(const Program& program) {
  static std::map<std::string, std::string> folders;
  std::string& folder = folders[program.name];
  if (folder.empty()) {
    char pattern[] = "/tmp/marlix-bench-XXXXXX";
    folder = mkdtemp(pattern);
    std::atexit([] {
      std::error_code ignored;
      for (const auto& f : folders) std::filesystem::remove_all(f.second, ignored);
    });
  }
  return folder;
}

// Starts the program and waits for its first frame.
Running Start(const Program& program) {
  Running run;
  run.config = SettingsFolder(program);
  std::vector<std::string> environment{"XDG_CONFIG_HOME=" + run.config, "MARLIX_PENTRO_FIRST_FRAME=1",
                                       "MARLIX_PENTRO_SCALE=1", "MARLIX_PENTRO_SCREEN=480x640"};
  for (char** e = environ; *e != nullptr; ++e)
    if (std::strncmp(*e, "XDG_CONFIG_HOME=", 16) != 0 && std::strncmp(*e, "MARLIX_PENTRO_", 14) != 0)
      environment.push_back(*e);
  std::vector<char*> envp;
  for (std::string& e : environment) envp.push_back(e.data());
  envp.push_back(nullptr);

  int errors[2];
  if (pipe(errors) != 0) return run;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, errors[1], STDERR_FILENO);
  posix_spawn_file_actions_addclose(&actions, errors[0]);
  std::string path = program.path;
  char* argv[] = {path.data(), nullptr};
  const int64_t started = Now();
  if (posix_spawn(&run.pid, path.c_str(), &actions, nullptr, argv, envp.data()) != 0) run.pid = 0;
  posix_spawn_file_actions_destroy(&actions);
  close(errors[1]);
  run.errors = errors[0];
  std::string text;
  pollfd wait{run.errors, POLLIN, 0};
  while (run.pid != 0 && poll(&wait, 1, 10000) == 1) {
    char buffer[256];
    const ssize_t n = read(run.errors, buffer, sizeof buffer);
    if (n <= 0) break;
    text.append(buffer, static_cast<size_t>(n));
    const size_t at = text.find("first frame ");
    if (at != std::string::npos && text.find('\n', at) != std::string::npos) {
      run.firstFrame = static_cast<double>(std::stoll(text.substr(at + 12)) - started) / 1e9;
      break;
    }
  }
  return run;
}

// Ends the program as the session would, so the game is saved for the next start.
void Stop(Running& run) {
  if (run.pid != 0) {
    kill(run.pid, SIGTERM);
    for (int i = 0; i < 500 && waitpid(run.pid, nullptr, WNOHANG) == 0; ++i)
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    if (kill(run.pid, SIGKILL) == 0) waitpid(run.pid, nullptr, 0);
  }
  if (run.errors >= 0) close(run.errors);
}

struct Figures {
  std::vector<double> starts;
  double peakMemory = 0;
  double idleProcessor = 0;  // seconds over the idle period
};
std::map<std::string, Figures> figures;

double Median(std::vector<double> values) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

// A start that never drew ends the benchmark with its reason.
bool ShowedAFrame(benchmark::State& state, Running& run) {
  if (run.firstFrame >= 0) return true;
  Stop(run);
  state.SkipWithError("no first frame");
  return false;
}

void StartToFirstFrame(benchmark::State& state, const Program& program) {
  for (auto _ : state) {
    Running run = Start(program);
    if (!ShowedAFrame(state, run)) return;
    state.SetIterationTime(run.firstFrame);
    figures[program.name].starts.push_back(run.firstFrame);
    Stop(run);
  }
}

void IdleAndMemory(benchmark::State& state, const Program& program) {
  for (auto _ : state) {
    Running run = Start(program);
    if (!ShowedAFrame(state, run)) return;
    std::this_thread::sleep_for(std::chrono::seconds(SettleSeconds));
    const int64_t before = ProcessorTime(run.pid);
    std::this_thread::sleep_for(std::chrono::seconds(IdleSeconds));
    const int64_t used = ProcessorTime(run.pid) - before;
    const int64_t peak = PeakMemory(run.pid);
    Stop(run);
    state.SetIterationTime(IdleSeconds);
    Figures& f = figures[program.name];
    f.idleProcessor = static_cast<double>(used) / 1e9;
    f.peakMemory = static_cast<double>(peak);
    state.counters["idle_cpu_ms"] = f.idleProcessor * 1e3;
    state.counters["peak_MiB"] = f.peakMemory / (1 << 20);
  }
}

BENCHMARK_CAPTURE(StartToFirstFrame, game, Game)
    ->UseManualTime()
    ->Iterations(20)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(StartToFirstFrame, floor, Floor)
    ->UseManualTime()
    ->Iterations(20)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(IdleAndMemory, game, Game)->UseManualTime()->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK_CAPTURE(IdleAndMemory, floor, Floor)->UseManualTime()->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  // One start each first, so both read their files from the page cache and the game
  // finds its settings and a game in play, as at every start but the very first.
  for (const Program& program : {Game, Floor}) {
    Running warm = Start(program);
    Stop(warm);
  }
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();

  const Figures& game = figures["game"];
  const Figures& floor = figures["floor"];
  const double gameStart = Median(game.starts), floorStart = Median(floor.starts);
  if (gameStart > 0 && floorStart > 0)
    std::printf(
        "start to first frame (median): game %.1f ms, floor %.1f ms, ratio %.2f (target 1.30 at most)\n",
        gameStart * 1e3, floorStart * 1e3, gameStart / floorStart);
  if (game.peakMemory > 0 && floor.peakMemory > 0)
    std::printf("peak memory: game %.1f MiB, floor %.1f MiB, difference %.1f MiB (target 8 at most)\n",
                game.peakMemory / (1 << 20), floor.peakMemory / (1 << 20),
                (game.peakMemory - floor.peakMemory) / (1 << 20));
  std::printf("processor time idle for %d s: game %.3f ms, floor %.3f ms (target 0)\n", IdleSeconds,
              game.idleProcessor * 1e3, floor.idleProcessor * 1e3);
  return 0;
}
