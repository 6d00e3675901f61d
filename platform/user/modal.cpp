// The one modal loop: menus, lists, message boxes and dialogs each say what they take.
#include "user/modal.h"

void RunModalLoop(const std::function<bool(MSG& msg)>& take, const std::function<bool()>& over) {
  do {
    MSG msg;
    if (!GetMessageW(&msg, nullptr, 0, 0)) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      return;
    }
    if (!take(msg)) DispatchMessageW(&msg);
  } while (!over());
}
