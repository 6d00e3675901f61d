// The desktop's events, read by the program's thread alone: the desktop window's own
// business (uncovered, resized, maximised, fullscreen on F11) is served at once, even in
// the middle of a pause, so the window stays drawn and answers the window manager; input
// waits in order for the program, which takes each tap after its pause as the device did.
#include "host/events.h"

#include <SDL.h>

#include <atomic>
#include <chrono>
#include <deque>

#include "host/display.h"
#include "host/event_wait.h"
#include "host/keys.h"
#include "host/program.h"
#include "host/screen.h"
#include "host/screen_window.h"
#include "host/signals.h"

namespace {

std::deque<DesktopEvent> held;
// The finger that went down first, followed until it is lifted; others meanwhile are left
// out, as the handheld's screen knew one point of touch.
bool fingerDown = false;
SDL_FingerID finger = 0;
std::atomic<Uint32> callEvent{0};
// The window's size as the events read so far tell it: a click is mapped by the size the
// window had when the click was made, though it may have been resized since.
int readWidth = 0, readHeight = 0;

struct Call {
  void (*call)(void* data);
  void* data;
};

// True when the event was the desktop window's alone and has been served.
bool Serve(const SDL_Event& event) {
  switch (event.type) {
    case SDL_WINDOWEVENT:
      // The close button is the program's to answer; the rest (shown, moved, focus, the
      // pointer entering) changes nothing the program sees but the window's size.
      if (event.window.event == SDL_WINDOWEVENT_CLOSE) return false;
      if (event.window.event == SDL_WINDOWEVENT_EXPOSED || event.window.event == SDL_WINDOWEVENT_SIZE_CHANGED)
        ScreenPresentAll();
      return true;
    case SDL_KEYDOWN:
    case SDL_KEYUP:
      if (event.key.keysym.sym != SDLK_F11) return false;
      if (event.type == SDL_KEYDOWN && event.key.repeat == 0) ScreenToggleFullscreen();
      return true;
    default: return false;
  }
}

void Track(const SDL_Event& event) {
  if (readWidth == 0)
    if (SDL_Window* desktop = ScreenDesktopWindow()) SDL_GetWindowSize(desktop, &readWidth, &readHeight);
  if (event.type == SDL_WINDOWEVENT && event.window.event == SDL_WINDOWEVENT_SIZE_CHANGED) {
    readWidth = event.window.data1;
    readHeight = event.window.data2;
  }
}

// Division rounding down, for points left of or above the screen.
int FloorDivide(int a, int b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }

// A point of the desktop window off the device screen, in device pixels beyond its edge, by
// the screen's place in the window now: a finger slides on past the screen's edge.
POINT PointBeyondScreen(int desktopX, int desktopY) {
  const POINT first = ScreenDesktopFromPoint(POINT{0, 0}), next = ScreenDesktopFromPoint(POINT{1, 1});
  const int factorX = SDL_max(1, next.x - first.x), factorY = SDL_max(1, next.y - first.y);
  return POINT{FloorDivide(desktopX - (first.x - factorX / 2), factorX),
               FloorDivide(desktopY - (first.y - factorY / 2), factorY)};
}

// The event in the device's terms.
DesktopEvent Read(const SDL_Event& event) {
  DesktopEvent read{};
  read.kind = DesktopInput::Other;
  switch (event.type) {
    case SDL_MOUSEBUTTONDOWN:
      // Touch comes as finger events; SDL's mouse copies of them are left out.
      if (event.button.which == SDL_TOUCH_MOUSEID || event.button.button != SDL_BUTTON_LEFT) break;
      read.kind = DesktopInput::Tap;
      read.time = event.button.timestamp;
      read.onScreen =
          ScreenPointInWindow(readWidth, readHeight, event.button.x, event.button.y, &read.device);
      break;
    case SDL_FINGERDOWN:
    case SDL_FINGERMOTION:
    case SDL_FINGERUP:
      if (event.type == SDL_FINGERDOWN) {
        if (fingerDown) break;
        fingerDown = true;
        finger = event.tfinger.fingerId;
      } else if (!fingerDown || event.tfinger.fingerId != finger) {
        break;
      }
      if (event.type == SDL_FINGERUP) fingerDown = false;
      read.kind = event.type == SDL_FINGERDOWN     ? DesktopInput::Tap
                  : event.type == SDL_FINGERMOTION ? DesktopInput::Slide
                                                   : DesktopInput::Lift;
      read.finger = true;
      read.time = event.tfinger.timestamp;
      {
        const int x = static_cast<int>(SDL_floorf(event.tfinger.x * static_cast<float>(readWidth)));
        const int y = static_cast<int>(SDL_floorf(event.tfinger.y * static_cast<float>(readHeight)));
        read.onScreen = ScreenPointInWindow(readWidth, readHeight, x, y, &read.device);
        if (!read.onScreen) read.device = PointBeyondScreen(x, y);
      }
      break;
    case SDL_KEYDOWN:
    case SDL_KEYUP:
      read.kind = DesktopInput::Key;
      read.time = event.key.timestamp;
      read.virtualKey = VirtualKeyOf(event.key.keysym.sym);
      read.down = event.type == SDL_KEYDOWN;
      read.repeat = event.key.repeat != 0;
      read.control = (event.key.keysym.mod & KMOD_CTRL) != 0;
      read.shift = (event.key.keysym.mod & KMOD_SHIFT) != 0;
      read.alt = (event.key.keysym.mod & KMOD_ALT) != 0;
      break;
    case SDL_WINDOWEVENT:
      // The close button is the only window event the program hears of.
      read.kind = DesktopInput::CloseButton;
      read.time = event.window.timestamp;
      break;
    case SDL_QUIT:
      read.kind = DesktopInput::EndRequest;
      read.time = event.quit.timestamp;
      break;
    default:
      if (callEvent != 0 && event.type == callEvent) {
        const Call call = *static_cast<Call*>(event.user.data1);
        delete static_cast<Call*>(event.user.data1);
        read.kind = DesktopInput::Call;
        read.time = event.user.timestamp;
        read.call = call.call;
        read.data = call.data;
      }
      break;
  }
  return read;
}

// Every event read goes through here, in order.
bool Take(const SDL_Event& event, DesktopEvent* read) {
  Track(event);
  if (Serve(event)) return false;
  *read = Read(event);
  return true;
}

}  // namespace

bool DesktopEventsReady() {
  if (ScreenDesktopWindow() == nullptr) return false;
  static bool prepared = false;
  if (!prepared) {
    prepared = true;
    // The mouse's movement and typed text mean nothing to the program; collected, they
    // would wake it for every movement of the mouse. A finger's sliding moves its mark.
    SDL_EventState(SDL_MOUSEMOTION, SDL_IGNORE);
    SDL_EventState(SDL_MOUSEWHEEL, SDL_IGNORE);
    SDL_EventState(SDL_TEXTINPUT, SDL_IGNORE);
    SDL_EventState(SDL_TEXTEDITING, SDL_IGNORE);
    // The close button is its own request, not also a request to end the program.
    SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
    WatchDesktop();
  }
  return true;
}

bool DesktopNextEvent(DesktopEvent* next, bool wait) {
  for (;;) {
    if (!held.empty()) {
      *next = held.front();
      held.pop_front();
      return true;
    }
    SDL_Event event;
    const bool got = wait ? HostWaitEvent(&event, -1) : SDL_PollEvent(&event) != 0;
    if (!got) return false;
    if (Take(event, next)) return true;
  }
}

void DesktopServeWhile(DWORD milliseconds) {
  // The program's PAUSES variable at 0 switches the pauses off, where no test or benchmark
  // can call the program from inside (a web page's address sets it).
  static const bool pausesOff = [] {
    const char* pauses = HostProgramVariable("PAUSES");
    return pauses != nullptr && pauses[0] == '0' && pauses[1] == 0;
  }();
  if (pausesOff) milliseconds = 0;
  if (!DisplayOnProgramThread() || ScreenDesktopWindow() == nullptr) {
    SDL_Delay(milliseconds);
    return;
  }
  using Clock = std::chrono::steady_clock;
  const Clock::time_point end = Clock::now() + std::chrono::milliseconds(milliseconds);
  for (Clock::time_point now = Clock::now(); now < end; now = Clock::now()) {
    // Rounded up, so the pause is never cut short.
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(end - now).count();
    SDL_Event event;
    DesktopEvent read;
    // As on the handheld: a tap during the computer's pause is not lost but waits, and is
    // taken once the pause and the move around it are over.
    if (HostWaitEvent(&event, static_cast<int>(left)) && Take(event, &read)) held.push_back(read);
  }
}

bool DesktopCallOnProgramThread(void (*call)(void* data), void* data) {
  static const Uint32 type = SDL_RegisterEvents(1);  // made once, whichever thread asks first
  if (type == static_cast<Uint32>(-1)) return false;
  callEvent = type;
  SDL_Event event{};
  event.type = type;
  event.user.data1 = new Call{call, data};
  if (SDL_PushEvent(&event) == 1) return true;
  delete static_cast<Call*>(event.user.data1);
  return false;
}

DWORD DesktopTicks() { return SDL_GetTicks(); }
