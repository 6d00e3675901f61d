// The connection to the desktop's display: opened once, by the program's thread, with a
// clear word for the player when there is none; and the program's end, its game saved,
// when the X server goes away under it.
#include "host/display.h"

#include <SDL.h>
#ifdef MARLIX_X11
#include <X11/Xlib.h>
#endif

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "host/program.h"
#include "host/upcalls.h"
#include "platform/emulator.h"

namespace {

enum class State { Closed, Open, Failed };
State state = State::Closed;
std::string problem;
SDL_threadID programThread = 0;
std::atomic<bool> lost{false};

std::string Variable(const char* name) {
  const char* value = std::getenv(name);
  return value == nullptr ? "" : value;
}

// Whether SDL was built with a desktop's video drivers (the web version has its own).
bool DesktopDrivers() {
  for (int i = 0; i < SDL_GetNumVideoDrivers(); ++i) {
    const char* driver = SDL_GetVideoDriver(i);
    if (std::strcmp(driver, "x11") == 0 || std::strcmp(driver, "wayland") == 0) return true;
  }
  return false;
}

#ifdef MARLIX_X11
// Xlib calls this from inside whichever call found the connection broken, and would end
// the program itself on its return. It ends here instead, after the program's thread has
// had its say; on any other thread (a wake-up sent to the display) the saved game of the
// last finished move stands, as the program's thread may be inside a move.
int OnConnectionLost(Display*) {
  if (lost.exchange(true)) std::_Exit(1);  // broke again on the way out
  std::fprintf(stderr, "%s: the connection to the display %s was lost; the game is saved\n",
               HostProgramName().c_str(), Variable("DISPLAY").c_str());
  if (DisplayOnProgramThread() && HostAbove.displayLost != nullptr) HostAbove.displayLost();
  std::quick_exit(1);
}
#endif

}  // namespace

constinit HostUpcalls HostAbove{};

bool DisplayOpen() {
  if (state != State::Closed) return state == State::Open;
  state = State::Failed;
  const std::string display = Variable("DISPLAY"), wayland = Variable("WAYLAND_DISPLAY");
  // Only the desktop named is tried: over ssh or from a text console, or when the named
  // one does not answer, SDL would go on to the console's own graphics and show nothing.
  if (Variable("SDL_VIDEODRIVER").empty() && DesktopDrivers()) {
    if (display.empty() && wayland.empty()) {
      problem = HostProgramName() +
                ": no display to open a window on: DISPLAY is not set (set it to the desktop's "
                "display, for example DISPLAY=:0, or start the game from the desktop)";
      return false;
    }
    const std::string drivers = !display.empty() && !wayland.empty() ? "x11,wayland"
                                : !display.empty()                   ? "x11"
                                                                     : "wayland";
    SDL_SetHint(SDL_HINT_VIDEODRIVER, drivers.c_str());
  }
  if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
    const std::string named = !display.empty() ? "DISPLAY=" + display : "WAYLAND_DISPLAY=" + wayland;
    problem =
        HostProgramName() + ": cannot open a window: no desktop answers on " + named +
        " (SDL: " + SDL_GetError() +
        "); set DISPLAY to the display of a running desktop you may use (and XAUTHORITY if it asks for one)";
    return false;
  }
  state = State::Open;
  programThread = SDL_ThreadID();
#ifdef MARLIX_X11
  const char* driver = SDL_GetCurrentVideoDriver();
  if (driver != nullptr && std::strcmp(driver, "x11") == 0) XSetIOErrorHandler(OnConnectionLost);
#endif
  return true;
}

const char* DisplayProblem() { return problem.c_str(); }

bool DisplayOnProgramThread() { return state == State::Open && SDL_ThreadID() == programThread; }

bool DisplayLost() { return lost; }

BOOL EmulatorOpenDesktop() {
  if (DisplayOpen()) return TRUE;
  std::fprintf(stderr, "%s\n", DisplayProblem());
  return FALSE;
}
