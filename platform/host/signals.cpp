// A request to end (SIGTERM from the session, SIGINT from a terminal, SIGHUP from a terminal
// closed under it) closes the program's window like the close button, so the game is saved.
// SDL notices signals only when it next looks at its queue, which a waiting program does
// not; so the handler wakes a thread that queues the request, which wakes the wait.
// A second request ends the program at once, the system's way, and so does the first when
// the program has not ended within a grace time: longer than the longest move, so a game is
// saved even when the request came in the middle of a long capture.
#include "host/signals.h"

#include <SDL.h>
#include <fcntl.h>
#include <unistd.h>

#include <csignal>

namespace {

constexpr Uint32 SignalGrace = 15000;  // ms
int signalPipe[2] = {-1, -1};
int signalNumber = 0;
volatile sig_atomic_t signalled = 0;

void OnSignal(int signal) {
  if (signalled != 0) {
    std::signal(signal, SIG_DFL);
    std::raise(signal);
    return;
  }
  signalled = 1;
  signalNumber = signal;
  const char request = 1;
  [[maybe_unused]] const ssize_t written = write(signalPipe[1], &request, 1);
}

int QueueQuitOnSignal(void*) {
  char request;
  if (read(signalPipe[0], &request, 1) != 1) return 0;
  SDL_Event event{};
  event.type = SDL_QUIT;
  SDL_PushEvent(&event);
  SDL_Delay(SignalGrace);
  std::signal(signalNumber, SIG_DFL);
  std::raise(signalNumber);
  return 0;
}

}  // namespace

void WatchDesktop() {
  if (pipe2(signalPipe, O_CLOEXEC) != 0) return;
  SDL_Thread* watcher = SDL_CreateThread(QueueQuitOnSignal, "signals", nullptr);
  if (watcher == nullptr) return;
  SDL_DetachThread(watcher);
  struct sigaction action {};
  action.sa_handler = OnSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  sigaction(SIGTERM, &action, nullptr);
  sigaction(SIGINT, &action, nullptr);
  sigaction(SIGHUP, &action, nullptr);
}
