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
#include "host/screen.h"

namespace {

std::deque<DesktopEvent> held;
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

DesktopEvent Read(const SDL_Event& event) {
  DesktopEvent read{event, FALSE, {0, 0}};
  if (event.type == SDL_MOUSEBUTTONDOWN || event.type == SDL_MOUSEBUTTONUP) {
    read.onScreen = ScreenPointInWindow(readWidth, readHeight, event.button.x, event.button.y, &read.device);
  } else if (event.type == SDL_FINGERDOWN || event.type == SDL_FINGERUP) {
    read.onScreen = ScreenPointInWindow(
        readWidth, readHeight, static_cast<int>(event.tfinger.x * static_cast<float>(readWidth)),
        static_cast<int>(event.tfinger.y * static_cast<float>(readHeight)), &read.device);
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

bool DesktopNextEvent(DesktopEvent* next, bool wait) {
  for (;;) {
    if (!held.empty()) {
      *next = held.front();
      held.pop_front();
      return true;
    }
    SDL_Event event;
    if ((wait ? SDL_WaitEvent(&event) : SDL_PollEvent(&event)) == 0) return false;
    if (Take(event, next)) return true;
  }
}

void DesktopServeWhile(DWORD milliseconds) {
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
    if (SDL_WaitEventTimeout(&event, static_cast<int>(left)) != 0 && Take(event, &read)) held.push_back(read);
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

bool DesktopRunCall(const SDL_Event& event) {
  if (callEvent == 0 || event.type != callEvent) return false;
  const Call call = *static_cast<Call*>(event.user.data1);
  delete static_cast<Call*>(event.user.data1);
  call.call(call.data);
  return true;
}
