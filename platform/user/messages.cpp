// The message queue: posted messages, then input from the desktop, then paints, and a
// wait on the desktop's events while none of these is there, so an idle program uses no
// processor time.
#include <deque>

#include "host/events.h"
#include "platform/winuser.h"
#include "user/input.h"
#include "user/window.h"

namespace {

std::deque<MSG> posted;
std::deque<MSG> input;
bool quitPosted = false;
int quitCode = 0;
int readingDesktop = 0;  // the program's thread waits here for its next message
LPARAM extraInfo = 0;    // of the message taken last

bool ReadDesktop(DesktopEvent* event, bool wait) {
  ++readingDesktop;
  const bool read = DesktopNextEvent(event, wait);
  --readingDesktop;
  return read;
}

// A window whose invalid area waits for a paint, as a WM_PAINT message; platform-drawn
// windows draw theirs here and now.
bool NextPaint(MSG* msg) {
  DrawPlatformWindows();
  HWND window = WindowWaitingForPaint();
  if (window == nullptr) return false;
  *msg = MSG{window, WM_PAINT, 0, 0, DesktopTicks(), {}, 0};
  return true;
}

// The next message, waiting for one when `wait`. False only without `wait`, when there
// is none.
bool Next(MSG* msg, bool wait, bool remove) {
  for (;;) {
    if (!posted.empty()) {
      *msg = posted.front();
      if (remove) posted.pop_front();
      return true;
    }
    if (quitPosted) {
      *msg = MSG{nullptr, WM_QUIT, static_cast<WPARAM>(quitCode), 0, DesktopTicks(), {}, 0};
      if (remove) quitPosted = false;
      return true;
    }
    if (!input.empty()) {
      *msg = input.front();
      if (remove) input.pop_front();
      return true;
    }
    if (!InputReady()) {
      // Without a screen no input can ever come: the program is told to end.
      if (!wait) return false;
      *msg = MSG{nullptr, WM_QUIT, 0, 0, 0, {}, 0};
      return true;
    }
    DesktopEvent event;
    if (ReadDesktop(&event, false)) {
      InputTranslate(event, input);
      continue;
    }
    if (NextPaint(msg)) return true;
    if (!wait) return false;
    if (ReadDesktop(&event, true)) InputTranslate(event, input);
  }
}

}  // namespace

// The display went away. While the program waited for a message its game is whole, so
// its window is closed as the close button closes it, which saves the game. Inside a
// message (a move half made) nothing of the program runs any more: the save made when
// its last move ended stands.
void CloseOnDisplayLost() {
  if (readingDesktop == 0) return;
  if (HWND window = ProgramWindow()) SendMessageW(window, WM_CLOSE, 0, 0);
}

void InputDiscardWaiting() {
  // Everything the desktop has for the program now was made before this moment. Read as
  // from inside a message: a display lost meanwhile closes nothing here. A look at the
  // desktop's queue may end early, at the mark an earlier look left where it had read to
  // (SDL's), so a second look reads on to the end.
  if (InputReady()) {
    DesktopEvent event;
    for (int look = 0; look < 2; ++look)
      while (DesktopNextEvent(&event, false)) InputTranslateAllButPlayer(event, input);
  }
  const auto isPlayers = [](const MSG& msg) {
    return msg.message == WM_LBUTTONDOWN || msg.message == WM_KEYDOWN || msg.message == WM_HELP ||
           msg.message == WM_CHAR;
  };
  std::erase_if(input, isPlayers);
  std::erase_if(posted, isPlayers);
}

BOOL GetMessageW(LPMSG msg, HWND, UINT, UINT) {
  if (msg == nullptr) return FALSE;
  Next(msg, true, true);
  extraInfo = msg->extraInfo;
  if (msg->message != WM_QUIT) return TRUE;
  DesktopProgramEnded();
  return FALSE;
}

BOOL PeekMessageW(LPMSG msg, HWND, UINT, UINT, UINT remove) {
  if (msg == nullptr) return FALSE;
  if (!Next(msg, false, (remove & PM_REMOVE) != 0)) return FALSE;
  if ((remove & PM_REMOVE) != 0) extraInfo = msg->extraInfo;
  return TRUE;
}

LPARAM GetMessageExtraInfo() { return extraInfo; }

BOOL PostMessageW(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (window != nullptr && !IsWindow(window)) return FALSE;
  posted.push_back(MSG{window, message, wParam, lParam, DesktopTicks(), {}, 0});
  return TRUE;
}

void PostQuitMessage(int exitCode) {
  quitPosted = true;
  quitCode = exitCode;
}

BOOL TranslateMessage(const MSG* msg) {
  if (msg == nullptr || msg->message != WM_KEYDOWN) return FALSE;
  const WPARAM key = msg->wParam;
  const bool shift = InputKeyDown(VK_SHIFT);
  WCHAR c = 0;
  if (key >= 'A' && key <= 'Z')
    c = static_cast<WCHAR>(shift ? key : key - 'A' + 'a');
  else if ((key >= '0' && key <= '9') || key == VK_SPACE || key == VK_RETURN || key == VK_ESCAPE ||
           key == VK_BACK || key == VK_TAB)
    c = static_cast<WCHAR>(key);
  if (c == 0 || InputKeyDown(VK_CONTROL)) return FALSE;
  PostMessageW(msg->hwnd, WM_CHAR, c, msg->lParam);
  return TRUE;
}

LRESULT DispatchMessageW(const MSG* msg) {
  if (msg == nullptr || msg->hwnd == nullptr) return 0;
  return SendMessageW(msg->hwnd, msg->message, msg->wParam, msg->lParam);
}
