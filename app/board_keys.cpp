// The board by keyboard: the first arrow key or Tab shows the line cursor where it is,
// further ones move it, and Enter or Space give the line under it for the tap rule.
#include "app/app.h"
#include "platform/winuser.h"
#include "view/line_cursor.h"

namespace {

void Step(int right, int down) {
  if (!LineCursor.shown) {
    ShowLineCursor();
    return;
  }
  MoveLineCursor(CursorStep(LineCursor.place, right, down));
}

// Tab goes to the next line not yet drawn, Shift+Tab to the one before.
void NextFree(int step) {
  if (!LineCursor.shown) {
    ShowLineCursor();
    return;
  }
  MoveLineCursor(CursorPlaceOf(NextFreeLine(LineCursor.place.cell, step)));
}

}  // namespace

int BoardKey(WPARAM key) {
  switch (key) {
    case VK_LEFT: Step(-1, 0); return -1;
    case VK_RIGHT: Step(1, 0); return -1;
    case VK_UP: Step(0, -1); return -1;
    case VK_DOWN: Step(0, 1); return -1;
    case VK_TAB: NextFree(GetKeyState(VK_SHIFT) < 0 ? -1 : 1); return -1;
    case VK_RETURN:
    case VK_SPACE: return LineCursor.shown ? LineCursor.place.cell : -1;
    default: return NotBoardKey;
  }
}
