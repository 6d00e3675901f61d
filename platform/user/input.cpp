// The desktop's events as the device's input: the left mouse button and touch become taps
// on the window under the point, a finger's sliding and lift go to the window it was pressed
// on, keys go to the active window unless the shell takes them
// (its soft keys), F1 asks it for help, F2 turns the screen, and the desktop window's close
// button closes the program's window, or the dialog open over it. A request to end
// (SIGTERM, SIGINT, SIGHUP) closes the program's window as the close button does.
#include "user/input.h"

#include <algorithm>
#include <cmath>

#include "host/events.h"
#include "host/screen.h"
#include "user/dialog_state.h"
#include "user/upcalls.h"
#include "user/window.h"

namespace {

bool control = false, shift = false, alt = false;

// A finger's mouse messages carry the touch screen's signature and its touch bit.
constexpr LPARAM FingerExtraInfo = 0xFF515700 | 0x80;
// A finger pressed this near the screen, on the backdrop around it, presses the window at
// the screen's edge: a fingertip there covers the edge too.
constexpr double FingerBesideScreenMillimetres = 4.0;

HWND fingerWindow = nullptr;  // the window a finger was pressed on, until it is lifted

MSG Message(HWND window, UINT message, WPARAM wParam, LPARAM lParam, DWORD time) {
  return MSG{window, message, wParam, lParam, time, {}, 0};
}

// A point in a window's client coordinates, beyond the window too, as 16-bit values.
LPARAM ClientPoint(HWND window, const DesktopEvent& read) {
  const LONG x = std::clamp<LONG>(read.device.x - window->client.left, -32768, 32767);
  const LONG y = std::clamp<LONG>(read.device.y - window->client.top, -32768, 32767);
  return MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y));
}

// The window a tap presses: the one under it on the screen; for a finger just beside the
// screen, the one at the nearest point of its edge.
HWND Pressed(const DesktopEvent& read) {
  if (read.onScreen) return WindowAt(read.device);
  if (!read.finger) return nullptr;
  const SIZE size = ScreenSize();
  const POINT edge{std::clamp<LONG>(read.device.x, 0, size.cx - 1),
                   std::clamp<LONG>(read.device.y, 0, size.cy - 1)};
  const double beside =
      std::hypot(read.device.x - edge.x, read.device.y - edge.y) * ScreenMillimetresPerPixel();
  return beside <= FingerBesideScreenMillimetres ? WindowAt(edge) : nullptr;
}

// A tap at a device pixel.
void Tap(const DesktopEvent& read, std::deque<MSG>& messages) {
  HWND window = Pressed(read);
  if (window == nullptr) return;
  MSG tap = Message(window, WM_LBUTTONDOWN, MK_LBUTTON, ClientPoint(window, read), read.time);
  if (read.finger) {
    tap.extraInfo = FingerExtraInfo;
    fingerWindow = window;
  }
  messages.push_back(tap);
}

// A finger's sliding and lift, told to the window it was pressed on wherever it went.
void Follow(const DesktopEvent& read, std::deque<MSG>& messages) {
  HWND window = fingerWindow;
  if (read.kind == DesktopInput::Lift) fingerWindow = nullptr;
  if (window == nullptr || !IsWindow(window)) return;
  const bool lift = read.kind == DesktopInput::Lift;
  MSG follow = Message(window, lift ? WM_LBUTTONUP : WM_MOUSEMOVE, lift ? 0 : MK_LBUTTON,
                       ClientPoint(window, read), read.time);
  follow.extraInfo = FingerExtraInfo;
  messages.push_back(follow);
}

// The close button closes an open dialog first; a request to end the program (`quit`)
// closes the program's window, which saves the game.
void Close(DWORD time, bool quit, std::deque<MSG>& messages) {
  HWND target = quit ? nullptr : DialogOnTop();
  if (target == nullptr) target = ProgramWindow();
  if (target != nullptr) messages.push_back(Message(target, WM_CLOSE, 0, 0, time));
}

void Key(const DesktopEvent& key, std::deque<MSG>& messages) {
  control = key.control;
  shift = key.shift;
  alt = key.alt;
  if (!key.down) return;
  const int virtualKey = key.virtualKey;
  // A held arrow key goes on moving; any other key held down must not run its command again.
  const bool arrow = virtualKey >= VK_LEFT && virtualKey <= VK_DOWN;
  if (key.repeat && !arrow) return;
  if (virtualKey == VK_F2) {
    if (UserAbove.turnKey != nullptr) UserAbove.turnKey();
    return;
  }
  HWND active = ActiveWindow();
  if (virtualKey == 0 || active == nullptr) return;
  if (UserAbove.shellKey != nullptr && UserAbove.shellKey(active, virtualKey)) return;
  if (virtualKey == VK_F1)
    messages.push_back(Message(active, WM_HELP, 0, 0, key.time));
  else
    messages.push_back(Message(active, WM_KEYDOWN, static_cast<WPARAM>(virtualKey), 1, key.time));
}

}  // namespace


bool InputReady() { return DesktopEventsReady(); }

void InputTranslate(const DesktopEvent& read, std::deque<MSG>& messages) {
  switch (read.kind) {
    case DesktopInput::Tap: Tap(read, messages); break;
    case DesktopInput::Slide:
    case DesktopInput::Lift: Follow(read, messages); break;
    case DesktopInput::Key: Key(read, messages); break;
    case DesktopInput::CloseButton: Close(read.time, false, messages); break;
    case DesktopInput::EndRequest: Close(read.time, true, messages); break;
    case DesktopInput::Call: read.call(read.data); break;
    case DesktopInput::Other: break;
  }
}

void InputTranslateAllButPlayer(const DesktopEvent& read, std::deque<MSG>& messages) {
  switch (read.kind) {
    case DesktopInput::Tap: break;
    case DesktopInput::Key:
      // The turn key turns the screen and answers nothing; a page presses it when it
      // changes shape, and waits for the turn.
      if (read.virtualKey == VK_F2) {
        InputTranslate(read, messages);
        break;
      }
      control = read.control;
      shift = read.shift;
      alt = read.alt;
      break;
    default: InputTranslate(read, messages); break;
  }
}

bool InputKeyDown(int virtualKey) {
  switch (virtualKey) {
    case VK_CONTROL: return control;
    case VK_SHIFT: return shift;
    case VK_MENU: return alt;
    default: return false;
  }
}

short GetKeyState(int virtualKey) { return static_cast<short>(InputKeyDown(virtualKey) ? 0x8000 : 0); }
