// A click to the first frame that answers it, for the game with SDL's dummy sound driver,
// the game through a sound server, and a bare SDL2 program (the floor), on one X display;
// and for the game through the sound server, the click to the first samples of its sound at
// the server's sink. Clicks are sent with XTest and land on lines not yet drawn; the
// programs log each frame they present (MARLIX_PENTRO_FRAMES) and the sink's monitor is
// recorded with parec. Run by bench/app/tap.sh, which brings the display and the server.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <benchmark/benchmark.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "process_figures.h"

extern char** environ;

namespace {

using namespace std::chrono_literals;

constexpr int Clicks = 15;

int64_t Now() {
  timespec now;
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<int64_t>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

// A process whose standard output or error is read line by line on a thread of its own.
struct Child {
  pid_t pid = 0;
  int out = -1;
  std::thread reader;
};

Child Spawn(std::vector<std::string> argv, const std::vector<std::string>& extraEnvironment, bool readStdout,
            std::function<void(const char*, size_t, int64_t)> onData) {
  std::vector<std::string> environment = extraEnvironment;
  for (char** e = environ; *e != nullptr; ++e) {
    const char* equals = std::strchr(*e, '=');
    const std::string name(*e, equals != nullptr ? static_cast<size_t>(equals - *e + 1) : 0);
    bool replaced = false;
    for (const std::string& extra : extraEnvironment) replaced = replaced || extra.rfind(name, 0) == 0;
    if (!replaced) environment.push_back(*e);
  }
  std::vector<char*> envp, args;
  for (std::string& e : environment) envp.push_back(e.data());
  envp.push_back(nullptr);
  for (std::string& a : argv) args.push_back(a.data());
  args.push_back(nullptr);
  int pipeFds[2];
  Child child;
  if (pipe(pipeFds) != 0) return child;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, pipeFds[1], readStdout ? STDOUT_FILENO : STDERR_FILENO);
  posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
  if (posix_spawnp(&child.pid, args[0], &actions, nullptr, args.data(), envp.data()) != 0) child.pid = 0;
  posix_spawn_file_actions_destroy(&actions);
  close(pipeFds[1]);
  child.out = pipeFds[0];
  child.reader = std::thread([fd = child.out, onData] {
    char buffer[4096];
    for (;;) {
      const ssize_t n = read(fd, buffer, sizeof buffer);
      if (n <= 0) return;
      onData(buffer, static_cast<size_t>(n), Now());
    }
  });
  return child;
}

void End(Child& child) {
  if (child.pid != 0) {
    kill(child.pid, SIGTERM);
    for (int i = 0; i < 500 && waitpid(child.pid, nullptr, WNOHANG) == 0; ++i)
      std::this_thread::sleep_for(10ms);
    if (kill(child.pid, SIGKILL) == 0) waitpid(child.pid, nullptr, 0);
  }
  if (child.reader.joinable()) child.reader.join();
  if (child.out >= 0) close(child.out);
}

// The times of the frames a program presented, from its "frame NANOSECONDS" lines.
struct Frames {
  std::mutex lock;
  std::string partial;
  std::vector<int64_t> times;

  void Add(const char* data, size_t size) {
    std::lock_guard<std::mutex> guard(lock);
    partial.append(data, size);
    size_t end;
    while ((end = partial.find('\n')) != std::string::npos) {
      const std::string line = partial.substr(0, end);
      partial.erase(0, end + 1);
      if (line.rfind("frame ", 0) == 0) times.push_back(std::stoll(line.substr(6)));
    }
  }
  int64_t FirstAfter(int64_t t) {
    std::lock_guard<std::mutex> guard(lock);
    for (int64_t frame : times)
      if (frame > t) return frame;
    return -1;
  }
  int64_t Last() {
    std::lock_guard<std::mutex> guard(lock);
    return times.empty() ? -1 : times.back();
  }
};

// The sound at the sink: when each stretch of recorded samples that is not silent began,
// by the time its block arrived less the samples that followed it in the block.
struct Sink {
  std::mutex lock;
  std::vector<int64_t> sounds;  // times of blocks with sound, at their first sample of sound
  int64_t lastSound = 0;
  std::string odd;  // a byte left over from the last block
  size_t received = 0;

  void Add(const char* data, size_t size, int64_t arrived) {
    std::lock_guard<std::mutex> guard(lock);
    received += size;
    std::string block = odd + std::string(data, size);
    odd = block.size() % 2 != 0 ? block.substr(block.size() - 1) : "";
    const size_t samples = block.size() / 2;
    for (size_t i = 0; i < samples; ++i) {
      if (block[2 * i] == 0 && block[2 * i + 1] == 0) continue;
      const int64_t at = arrived - static_cast<int64_t>((samples - i) * 1000000000ULL / 44100);
      sounds.push_back(at);
      lastSound = arrived;
      return;
    }
  }
  int64_t FirstAfter(int64_t t) {
    std::lock_guard<std::mutex> guard(lock);
    for (int64_t sound : sounds)
      if (sound > t) return sound;
    return -1;
  }
  size_t Received() {
    std::lock_guard<std::mutex> guard(lock);
    return received;
  }
  int64_t LastSound() {
    std::lock_guard<std::mutex> guard(lock);
    return lastSound;
  }
};

// The display, and the program's window on it.
struct Screen {
  Display* display = Open();

  // One connection for the whole run.
  static Display* Open() {
    static Display* opened = XOpenDisplay(nullptr);
    return opened;
  }

  Window Find(Window under, const char* name) {
    char* title = nullptr;
    if (XFetchName(display, under, &title) != 0 && title != nullptr) {
      const bool found = std::strcmp(title, name) == 0;
      XFree(title);
      if (found) return under;
    }
    Window root, parent, *children = nullptr;
    unsigned count = 0;
    Window found = 0;
    if (XQueryTree(display, under, &root, &parent, &children, &count) != 0) {
      for (unsigned i = 0; i < count && found == 0; ++i) found = Find(children[i], name);
      if (children != nullptr) XFree(children);
    }
    return found;
  }
  // The window's top-left corner on the screen.
  bool Corner(Window window, int& x, int& y) {
    Window child;
    return XTranslateCoordinates(display, window, DefaultRootWindow(display), 0, 0, &x, &y, &child) != 0;
  }
  unsigned long Pixel(int x, int y) {
    XImage* image = XGetImage(display, DefaultRootWindow(display), x, y, 1, 1, AllPlanes, ZPixmap);
    if (image == nullptr) return ~0UL;
    const unsigned long pixel = XGetPixel(image, 0, 0);
    XDestroyImage(image);
    return pixel;
  }
  // Moves the pointer, then presses and releases the left button: returns when it pressed.
  int64_t Click(int x, int y) {
    XTestFakeMotionEvent(display, -1, x, y, 0);
    XSync(display, False);
    std::this_thread::sleep_for(50ms);
    const int64_t pressed = Now();
    XTestFakeButtonEvent(display, 1, True, 0);
    XFlush(display);
    XTestFakeButtonEvent(display, 1, False, 0);
    XSync(display, False);
    return pressed;
  }
};

// The middle of every line of the game's 480 x 640 layout, in window pixels.
std::vector<std::pair<int, int>> LineMiddles() {
  std::vector<std::pair<int, int>> lines;
  for (int r = 0; r < 8; ++r)
    for (int c = 0; c < 7; ++c) lines.push_back({54 + 62 * c, 121 + 62 * r});
  for (int r = 0; r < 7; ++r)
    for (int k = 0; k < 8; ++k) lines.push_back({23 + 62 * k, 152 + 62 * r});
  // Spread over the board, so the computer's answers close few boxes.
  std::vector<std::pair<int, int>> spread;
  for (size_t i = 0; i < lines.size(); ++i) spread.push_back(lines[(i * 37) % lines.size()]);
  return spread;
}

// A settings folder holding an empty board with the user to move and the sound on, so
// every line is free at the start and no opening move is played.
std::string SettingsWithAnEmptyBoard() {
  char pattern[] = "/tmp/marlix-tap-bench-XXXXXX";
  const std::string root = mkdtemp(pattern);
  std::filesystem::create_directories(root + "/marlix-pentro");
  std::string zeros;
  for (int i = 0; i < 161 * 4; ++i) zeros += i == 0 ? "00" : ",00";
  std::ofstream(root + "/marlix-pentro/registry.reg")
      << "Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\Software\\Marlix Pentro]\n"
      << "\"Sound\"=dword:00000001\n\"Skin\"=dword:00000000\n\n"
      << "[HKEY_CURRENT_USER\\Software\\Marlix Pentro\\Status]\n"
      << "\"UserScore\"=dword:00000000\n\"ComputerScore\"=dword:00000000\n"
      << "\"box\"=hex:" << zeros << "\n\"occ\"=hex:" << zeros << "\n"
      << "\"f\"=dword:00000000\n\"F\"=dword:00000000\n\"first\"=dword:00000000\n";
  return root;
}

struct Variant {
  const char* name;
  const char* program;
  const char* window;
  const char* audioDriver;  // null: none
  bool sound;               // the sink is recorded
};
const Variant Floor{"floor", MARLIX_FLOOR, "Floor", nullptr, false};
const Variant GameDummy{"game_dummy_audio", MARLIX_PROGRAM, "Marlix Pentro", "dummy", false};
const Variant GameServer{"game_sound_server", MARLIX_PROGRAM, "Marlix Pentro", "pulseaudio", true};

struct Figures {
  std::vector<double> frames, sounds;  // milliseconds
  double peakMiB = -1;
  double idleMs = -1;  // processor time over IdleSeconds once all was quiet
};
constexpr int IdleSeconds = 5;

std::map<std::string, Figures> figures;

// Waits until nothing was presented, and nothing heard, for `quiet`.
void WaitQuiet(Frames& frames, Sink* sink, std::chrono::milliseconds quiet) {
  const int64_t span = std::chrono::nanoseconds(quiet).count();
  for (int i = 0; i < 1000; ++i) {
    const int64_t last = std::max(frames.Last(), sink != nullptr ? sink->LastSound() : 0);
    if (Now() - last > span) return;
    std::this_thread::sleep_for(20ms);
  }
}

void ClickToFrame(benchmark::State& state, const Variant& variant) {
  if (variant.sound && std::getenv("PULSE_SERVER") == nullptr) {
    state.SkipWithError("no sound server: run by bench/app/tap.sh");
    return;
  }
  Screen screen;
  if (screen.display == nullptr) {
    state.SkipWithError("no display");
    return;
  }
  const std::string settings = SettingsWithAnEmptyBoard();
  std::vector<std::string> environment{"XDG_CONFIG_HOME=" + settings, "MARLIX_PENTRO_FRAMES=1",
                                       "MARLIX_PENTRO_SCALE=1", "MARLIX_PENTRO_SCREEN=480x640"};
  if (variant.audioDriver != nullptr)
    environment.push_back(std::string("SDL_AUDIODRIVER=") + variant.audioDriver);
  Frames frames;
  Sink sink;
  Child recorder;
  if (variant.sound)
    recorder = Spawn({"parec", "-d", "null.monitor", "--raw", "--format=s16le", "--channels=1",
                      "--rate=44100", "--latency-msec=2"},
                     {}, true, [&sink](const char* d, size_t n, int64_t t) { sink.Add(d, n, t); });
  // A new recording settles in the first seconds: its blocks come late.
  for (int i = 0; i < 500 && variant.sound && sink.Received() < 2 * 2 * 44100; ++i)
    std::this_thread::sleep_for(10ms);
  Child program = Spawn({variant.program}, environment, false,
                        [&frames](const char* d, size_t n, int64_t) { frames.Add(d, n); });
  Window window = 0;
  for (int i = 0; i < 500 && window == 0; ++i) {
    std::this_thread::sleep_for(20ms);
    window = screen.Find(DefaultRootWindow(screen.display), variant.window);
  }
  int left = 0, top = 0;
  if (window == 0 || !screen.Corner(window, left, top)) {
    state.SkipWithError("no window");
  } else {
    WaitQuiet(frames, variant.sound ? &sink : nullptr, 1000ms);
    const std::vector<std::pair<int, int>> lines = LineMiddles();
    std::vector<unsigned long> free;
    for (const auto& [x, y] : lines) free.push_back(screen.Pixel(left + x, top + y));
    int clicked = 0;
    for (auto _ : state) {
      // Every other click finds the sound output closed again.
      WaitQuiet(frames, variant.sound ? &sink : nullptr, clicked % 2 == 0 ? 1000ms : 3000ms);
      size_t line = 0;
      while (line < lines.size() &&
             screen.Pixel(left + lines[line].first, top + lines[line].second) != free[line])
        ++line;
      if (line == lines.size()) {
        state.SkipWithError("no free line");
        break;
      }
      const int64_t pressed = screen.Click(left + lines[line].first, top + lines[line].second);
      ++clicked;
      int64_t frame = -1, sound = -1;
      for (int i = 0; i < 300 && (frame < 0 || (variant.sound && sound < 0)); ++i) {
        std::this_thread::sleep_for(10ms);
        frame = frames.FirstAfter(pressed);
        if (variant.sound) sound = sink.FirstAfter(pressed);
      }
      if (frame < 0) {
        state.SkipWithError("no frame after a click");
        break;
      }
      Figures& f = figures[variant.name];
      f.frames.push_back(static_cast<double>(frame - pressed) / 1e6);
      if (sound >= 0) f.sounds.push_back(static_cast<double>(sound - pressed) / 1e6);
      state.SetIterationTime(static_cast<double>(frame - pressed) / 1e9);
    }
  }
  // After the last click: once the sounds have ended and the output has closed, no processor
  // time at all; and the most memory the program held.
  if (window != 0) {
    WaitQuiet(frames, variant.sound ? &sink : nullptr, 3000ms);
    const int64_t before = ProcessorTime(program.pid);
    std::this_thread::sleep_for(std::chrono::seconds(IdleSeconds));
    figures[variant.name].idleMs = static_cast<double>(ProcessorTime(program.pid) - before) / 1e6;
    figures[variant.name].peakMiB = static_cast<double>(PeakMemory(program.pid)) / (1024 * 1024);
  }
  End(program);
  End(recorder);
  std::error_code ignored;
  std::filesystem::remove_all(settings, ignored);
}

BENCHMARK_CAPTURE(ClickToFrame, floor, Floor)
    ->UseManualTime()
    ->Iterations(Clicks)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ClickToFrame, game_dummy_audio, GameDummy)
    ->UseManualTime()
    ->Iterations(Clicks)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ClickToFrame, game_sound_server, GameServer)
    ->UseManualTime()
    ->Iterations(Clicks)
    ->Unit(benchmark::kMillisecond);

double Median(std::vector<double> values) {
  if (values.empty()) return -1;
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}
double Max(const std::vector<double>& values) {
  return values.empty() ? -1 : *std::max_element(values.begin(), values.end());
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  const double floor = Median(figures["floor"].frames);
  for (const Variant* v : {&Floor, &GameDummy, &GameServer}) {
    const Figures& f = figures[v->name];
    if (f.frames.empty()) continue;
    std::printf("click to first frame, %s: median %.1f ms, max %.1f ms over %zu clicks", v->name,
                Median(f.frames), Max(f.frames), f.frames.size());
    if (v != &Floor && floor > 0)
      std::printf(", %+.1f ms beside the floor (target 2 at most)", Median(f.frames) - floor);
    std::printf("\n");
    std::printf("  peak memory %.1f MiB; processor time over %d idle seconds after the clicks %.3f ms\n",
                f.peakMiB, IdleSeconds, f.idleMs);
    if (!f.sounds.empty())
      std::printf(
          "click to its sound at the sink, %s: median %.1f ms, max %.1f ms over %zu clicks (target 50)\n",
          v->name, Median(f.sounds), Max(f.sounds), f.sounds.size());
  }
  return 0;
}
