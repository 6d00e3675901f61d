// The board by finger: a press shows the line the finger means with the keyboard's mark,
// sliding moves the mark, and the lift gives the line under it for the tap rule. The
// mouse and the pen tap at the press, as on the handheld.
#include <cstdint>

#include "app/app.h"
#include "platform/wingdi.h"
#include "platform/winuser.h"
#include "view/finger_line.h"
#include "view/line_cursor.h"

namespace {

// The touch screen's signature on the mouse messages it makes, and its finger's bit.
constexpr DWORD PenSignature = 0xFF515700, SignatureMask = 0xFFFFFF00, TouchBit = 0x80;

bool pressed = false;  // a finger pressed on the board and not lifted yet

// The screen's pixels a millimetre on the glass, as shown now.
double PixelsPerMillimetre(HWND hWnd) {
  HDC hdc = GetDC(hWnd);
  const int pixels = GetDeviceCaps(hdc, HORZRES), millimetres = GetDeviceCaps(hdc, HORZSIZE);
  const int dpi = GetDeviceCaps(hdc, LOGPIXELSX);
  ReleaseDC(hWnd, hdc);
  if (pixels > 0 && millimetres > 0) return static_cast<double>(pixels) / millimetres;
  return (dpi > 0 ? dpi : 96) / 25.4;
}

// A finger's point may lie beyond the window: its coordinates are signed.
int FingerLineAt(HWND hWnd, LPARAM lParam) {
  return FingerLine(static_cast<int16_t>(LOWORD(lParam)), static_cast<int16_t>(HIWORD(lParam)),
                    PixelsPerMillimetre(hWnd));
}

void Mark(int cell) {
  if (cell == -1) {
    HideLineCursor();
    return;
  }
  MoveLineCursor(CursorPlaceOf(cell));
  ShowLineCursor();
}

}  // namespace

bool InputFromFinger() {
  const DWORD info = static_cast<DWORD>(GetMessageExtraInfo());
  return (info & SignatureMask) == PenSignature && (info & TouchBit) != 0;
}

void FingerPress(HWND hWnd, LPARAM lParam) {
  pressed = true;
  Mark(FingerLineAt(hWnd, lParam));
}

void FingerSlide(HWND hWnd, LPARAM lParam) {
  if (pressed) Mark(FingerLineAt(hWnd, lParam));
}

int FingerLift(HWND hWnd, LPARAM lParam) {
  if (!pressed) return -1;
  pressed = false;
  const int cell = FingerLineAt(hWnd, lParam);
  HideLineCursor();
  return cell;
}
