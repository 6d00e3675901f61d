// The desktop's events as the device's input: the left mouse button and touch become taps
// on the window under the point, keys go to the active window unless the shell takes them
// (its soft keys), F1 asks it for help, F2 turns the screen, and the desktop window's close
// button closes the program's window, or the dialog open over it. A request to end
// (SIGTERM, SIGINT, SIGHUP) closes the program's window as the close button does.
#include "user/input.h"

#include "host/events.h"
#include "kernel/sleep.h"
#include "user/dialog.h"
#include "user/window.h"

namespace {

bool prepared = false;
bool control = false, shift = false, alt = false;
InputKeyHook shellKeys = nullptr;
void (*turnScreen)() = nullptr;

MSG Message(HWND window, UINT message, WPARAM wParam, LPARAM lParam, DWORD time) {
  return MSG{window, message, wParam, lParam, time, {}};
}

// A tap at a device pixel.
void Tap(const DesktopEvent& read, std::deque<MSG>& messages) {
  if (!read.onScreen) return;
  const POINT device = read.device;
  HWND window = WindowAt(device);
  if (window == nullptr) return;
  const POINT local{device.x - window->client.left, device.y - window->client.top};
  messages.push_back(Message(window, WM_LBUTTONDOWN, MK_LBUTTON,
                             MAKELPARAM(static_cast<WORD>(local.x), static_cast<WORD>(local.y)), read.time));
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
    if (turnScreen != nullptr) turnScreen();
    return;
  }
  HWND active = ActiveWindow();
  if (virtualKey == 0 || active == nullptr) return;
  if (shellKeys != nullptr && shellKeys(active, virtualKey)) return;
  if (virtualKey == VK_F1)
    messages.push_back(Message(active, WM_HELP, 0, 0, key.time));
  else
    messages.push_back(Message(active, WM_KEYDOWN, static_cast<WPARAM>(virtualKey), 1, key.time));
}

}  // namespace

bool InputReady() {
  if (!DesktopEventsReady()) return false;
  if (!prepared) {
    prepared = true;
    // The program's pauses keep the desktop window alive.
    SetSleepWait(DesktopServeWhile);
  }
  return true;
}

void InputTranslate(const DesktopEvent& read, std::deque<MSG>& messages) {
  switch (read.kind) {
    case DesktopInput::Tap: Tap(read, messages); break;
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

void InputSetShellKeys(InputKeyHook hook) { shellKeys = hook; }

void InputSetTurnKey(void (*turn)()) { turnScreen = turn; }

bool InputKeyDown(int virtualKey) {
  switch (virtualKey) {
    case VK_CONTROL: return control;
    case VK_SHIFT: return shift;
    case VK_MENU: return alt;
    default: return false;
  }
}

short GetKeyState(int virtualKey) { return static_cast<short>(InputKeyDown(virtualKey) ? 0x8000 : 0); }
