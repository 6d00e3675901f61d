// The desktop's events as the device's input: the left mouse button and touch become taps
// on the window under the point, keys go to the active window unless the shell takes them
// (its soft keys), F1 asks it for help, F2 turns the screen, and the desktop window's close
// button closes the program's window, or the dialog open over it. A request to end
// (SIGTERM, SIGINT, SIGHUP) closes the program's window as the close button does.
#include "platform/input.h"

#include <SDL.h>
#include <fcntl.h>
#include <unistd.h>

#include <csignal>

#include "host/events.h"
#include "host/instance.h"
#include "host/screen.h"
#include "platform/dialog.h"
#include "platform/emulator.h"
#include "platform/shell.h"
#include "platform/sleep.h"
#include "platform/window.h"

namespace {

bool prepared = false;
bool control = false, shift = false, alt = false;
InputKeyHook shellKeys = nullptr;

int VirtualKey(SDL_Keycode key) {
  if (key >= SDLK_a && key <= SDLK_z) return 'A' + (key - SDLK_a);
  if (key >= SDLK_0 && key <= SDLK_9) return '0' + (key - SDLK_0);
  switch (key) {
    case SDLK_RETURN:
    case SDLK_KP_ENTER: return VK_RETURN;
    case SDLK_ESCAPE: return VK_ESCAPE;
    case SDLK_SPACE: return VK_SPACE;
    case SDLK_BACKSPACE: return VK_BACK;
    case SDLK_TAB: return VK_TAB;
    case SDLK_LEFT: return VK_LEFT;
    case SDLK_RIGHT: return VK_RIGHT;
    case SDLK_UP: return VK_UP;
    case SDLK_DOWN: return VK_DOWN;
    case SDLK_F1: return VK_F1;
    case SDLK_F2: return VK_F2;
    case SDLK_F9: return VK_F9;
    case SDLK_F10: return VK_F10;
    case SDLK_APPLICATION: return VK_APPS;
    default: return 0;
  }
}

SDL_Keycode KeyCode(int virtualKey) {
  if (virtualKey >= 'A' && virtualKey <= 'Z') return SDLK_a + (virtualKey - 'A');
  if (virtualKey >= '0' && virtualKey <= '9') return SDLK_0 + (virtualKey - '0');
  switch (virtualKey) {
    case VK_RETURN: return SDLK_RETURN;
    case VK_ESCAPE: return SDLK_ESCAPE;
    case VK_SPACE: return SDLK_SPACE;
    case VK_BACK: return SDLK_BACKSPACE;
    case VK_TAB: return SDLK_TAB;
    case VK_LEFT: return SDLK_LEFT;
    case VK_RIGHT: return SDLK_RIGHT;
    case VK_UP: return SDLK_UP;
    case VK_DOWN: return SDLK_DOWN;
    case VK_F1: return SDLK_F1;
    case VK_F2: return SDLK_F2;
    case VK_F9: return SDLK_F9;
    case VK_F10: return SDLK_F10;
    case VK_F11: return SDLK_F11;
    case VK_APPS: return SDLK_APPLICATION;
    default: return SDLK_UNKNOWN;
  }
}

MSG Message(HWND window, UINT message, WPARAM wParam, LPARAM lParam, Uint32 time) {
  return MSG{window, message, wParam, lParam, time, {}};
}

// A tap at a device pixel.
void Tap(const DesktopEvent& read, Uint32 time, std::deque<MSG>& messages) {
  if (!read.onScreen) return;
  const POINT device = read.device;
  HWND window = WindowAt(device);
  if (window == nullptr) return;
  const POINT local{device.x - window->client.left, device.y - window->client.top};
  messages.push_back(Message(window, WM_LBUTTONDOWN, MK_LBUTTON,
                             MAKELPARAM(static_cast<WORD>(local.x), static_cast<WORD>(local.y)), time));
}

// The close button closes an open dialog first; a request to end the program (`quit`)
// closes the program's window, which saves the game.
void Close(Uint32 time, bool quit, std::deque<MSG>& messages) {
  HWND target = quit ? nullptr : DialogOnTop();
  if (target == nullptr) target = ProgramWindow();
  if (target != nullptr) messages.push_back(Message(target, WM_CLOSE, 0, 0, time));
}

void Key(const SDL_KeyboardEvent& key, std::deque<MSG>& messages) {
  control = (key.keysym.mod & KMOD_CTRL) != 0;
  shift = (key.keysym.mod & KMOD_SHIFT) != 0;
  alt = (key.keysym.mod & KMOD_ALT) != 0;
  if (key.type != SDL_KEYDOWN) return;
  const int virtualKey = VirtualKey(key.keysym.sym);
  // A held arrow key goes on moving; any other key held down must not run its command again.
  const bool arrow = virtualKey >= VK_LEFT && virtualKey <= VK_DOWN;
  if (key.repeat != 0 && !arrow) return;
  if (virtualKey == VK_F2) {
    ShellScreenTurned();
    return;
  }
  HWND active = ActiveWindow();
  if (virtualKey == 0 || active == nullptr) return;
  if (shellKeys != nullptr && shellKeys(active, virtualKey)) return;
  if (virtualKey == VK_F1)
    messages.push_back(Message(active, WM_HELP, 0, 0, key.timestamp));
  else
    messages.push_back(Message(active, WM_KEYDOWN, static_cast<WPARAM>(virtualKey), 1, key.timestamp));
}

// A request to end (SIGTERM from the session, SIGINT from a terminal, SIGHUP from a
// terminal closed under it) closes the program's window like the close button, so the game
// is saved. SDL notices signals only when it
// next looks at its queue, which a waiting program does not; so the handler wakes a thread
// that queues the request, which wakes the wait.
// A second request ends the program at once, the system's way, and so does the first
// when the program has not ended within a grace time: longer than the longest move, so
// a game is saved even when the request came in the middle of a long capture.
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

void WatchSignals() {
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

Uint32 DesktopWindowId() {
  SDL_Window* desktop = ScreenDesktopWindow();
  return desktop != nullptr ? SDL_GetWindowID(desktop) : 0;
}

}  // namespace

bool InputReady() {
  if (ScreenDesktopWindow() == nullptr) return false;
  if (!prepared) {
    prepared = true;
    // Pointer movement and typed text mean nothing to the program; collected, they would
    // wake it for every movement of the mouse.
    SDL_EventState(SDL_MOUSEMOTION, SDL_IGNORE);
    SDL_EventState(SDL_FINGERMOTION, SDL_IGNORE);
    SDL_EventState(SDL_MOUSEWHEEL, SDL_IGNORE);
    SDL_EventState(SDL_TEXTINPUT, SDL_IGNORE);
    SDL_EventState(SDL_TEXTEDITING, SDL_IGNORE);
    // The close button is its own request, not also a request to end the program.
    SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
    WatchSignals();
    // The program's pauses keep the desktop window alive.
    SetSleepWait(DesktopServeWhile);
  }
  return true;
}

void InputTranslate(const DesktopEvent& read, std::deque<MSG>& messages) {
  const SDL_Event& event = read.event;
  if (InstanceHandleEvent(event) || DesktopRunCall(event)) return;
  switch (event.type) {
    case SDL_MOUSEBUTTONDOWN:
      // Touch comes as finger events; SDL's mouse copies of them are left out.
      if (event.button.which != SDL_TOUCH_MOUSEID && event.button.button == SDL_BUTTON_LEFT)
        Tap(read, event.button.timestamp, messages);
      break;
    case SDL_FINGERDOWN: Tap(read, event.tfinger.timestamp, messages); break;
    case SDL_KEYDOWN:
    case SDL_KEYUP: Key(event.key, messages); break;
    case SDL_WINDOWEVENT:
      if (event.window.event == SDL_WINDOWEVENT_CLOSE) Close(event.window.timestamp, false, messages);
      break;
    case SDL_QUIT: Close(event.quit.timestamp, true, messages); break;
    default: break;
  }
}

void InputSetShellKeys(InputKeyHook hook) { shellKeys = hook; }

bool InputKeyDown(int virtualKey) {
  switch (virtualKey) {
    case VK_CONTROL: return control;
    case VK_SHIFT: return shift;
    case VK_MENU: return alt;
    default: return false;
  }
}

short GetKeyState(int virtualKey) { return static_cast<short>(InputKeyDown(virtualKey) ? 0x8000 : 0); }

namespace {

void Click(Uint32 id, Sint32 x, Sint32 y) {
  SDL_Event event{};
  event.button.type = SDL_MOUSEBUTTONDOWN;
  event.button.windowID = id;
  event.button.which = 0;
  event.button.button = SDL_BUTTON_LEFT;
  event.button.state = SDL_PRESSED;
  event.button.clicks = 1;
  event.button.x = x;
  event.button.y = y;
  SDL_PushEvent(&event);
  event.button.type = SDL_MOUSEBUTTONUP;
  event.button.state = SDL_RELEASED;
  SDL_PushEvent(&event);
}

}  // namespace

void EmulatorTap(int x, int y) {
  const Uint32 id = DesktopWindowId();
  if (id == 0) return;
  const POINT at = ScreenDesktopFromPoint(POINT{x, y});
  Click(id, at.x, at.y);
}

void EmulatorClickDesktop(int x, int y) {
  if (const Uint32 id = DesktopWindowId()) Click(id, x, y);
}

void EmulatorTouch(int x, int y) {
  const Uint32 id = DesktopWindowId();
  if (id == 0) return;
  const POINT at = ScreenDesktopFromPoint(POINT{x, y});
  int width = 1, height = 1;
  SDL_GetWindowSize(ScreenDesktopWindow(), &width, &height);
  SDL_Event event{};
  event.tfinger.type = SDL_FINGERDOWN;
  event.tfinger.touchId = 1;
  event.tfinger.fingerId = 1;
  event.tfinger.x = (static_cast<float>(at.x) + 0.5f) / static_cast<float>(width);
  event.tfinger.y = (static_cast<float>(at.y) + 0.5f) / static_cast<float>(height);
  event.tfinger.pressure = 1;
  event.tfinger.windowID = id;
  SDL_PushEvent(&event);
  SDL_Event copy{};
  copy.button.type = SDL_MOUSEBUTTONDOWN;
  copy.button.windowID = id;
  copy.button.which = SDL_TOUCH_MOUSEID;
  copy.button.button = SDL_BUTTON_LEFT;
  copy.button.state = SDL_PRESSED;
  copy.button.clicks = 1;
  copy.button.x = at.x;
  copy.button.y = at.y;
  SDL_PushEvent(&copy);
}

void EmulatorKey(int virtualKey, BOOL withControl) {
  EmulatorKeyWith(virtualKey, withControl ? FCONTROL : 0);
}

void EmulatorKeyWith(int virtualKey, BYTE modifiers) {
  const Uint32 id = DesktopWindowId();
  if (id == 0) return;
  SDL_Event event{};
  event.key.type = SDL_KEYDOWN;
  event.key.windowID = id;
  event.key.state = SDL_PRESSED;
  event.key.keysym.sym = KeyCode(virtualKey);
  event.key.keysym.mod = static_cast<Uint16>(((modifiers & FCONTROL) != 0 ? KMOD_LCTRL : 0) |
                                             ((modifiers & FSHIFT) != 0 ? KMOD_LSHIFT : 0) |
                                             ((modifiers & FALT) != 0 ? KMOD_LALT : 0));
  SDL_PushEvent(&event);
  event.key.type = SDL_KEYUP;
  event.key.state = SDL_RELEASED;
  event.key.keysym.mod = KMOD_NONE;  // the modifiers are let go with the key
  SDL_PushEvent(&event);
}

void EmulatorCloseButton() {
  const Uint32 id = DesktopWindowId();
  if (id == 0) return;
  SDL_Event event{};
  event.window.type = SDL_WINDOWEVENT;
  event.window.windowID = id;
  event.window.event = SDL_WINDOWEVENT_CLOSE;
  SDL_PushEvent(&event);
}
