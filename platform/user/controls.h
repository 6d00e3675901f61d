// Inside the platform only: the record every dialog control keeps, and the drawing the
// control classes share.
#pragma once

#include <string>
#include <vector>

#include "gdi/screen_paint.h"
#include "host/image.h"
#include "platform/winuser.h"

struct Control {
  std::u16string text;                // as shown: without the "&" of a prefix
  WPARAM check;                       // check boxes
  HostImage* picture;                 // bitmap statics: a copy of the picture set, or null
  HBITMAP image;                      // the bitmap set, handed back when another replaces it
  std::vector<std::u16string> items;  // combo boxes
  int selected;                       // -1 for none
  LONG dropHeight;                    // the combo box's height with its list open, as made
};

// The control's record, or null once it is going away (windows beneath may still draw).
Control* ControlOf(HWND control);
// At WM_CREATE: the record, from the creation's text, and the control's drawing.
void MakeControl(HWND control, LPARAM createStruct, void (*draw)(HWND, const RECT&));
// At WM_DESTROY.
void FreeControl(HWND control);
// Tells the dialog what the user did, by WM_COMMAND.
void NotifyParent(HWND control, WORD code);
// Text in the device's font with its letters, not its line, centred in the height of the
// row, and cut at the row's ends.
void PaintRowText(const RECT& clip, const RECT& row, LONG x, LPCWSTR text, COLORREF colour,
                  const TextStyle& style = PlainText);

// The procedures of the control classes: the button (an automatic check box), the static
// (controls.cpp) and the drop-down list combo box (combobox.cpp).
LRESULT ButtonProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT StaticProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT ComboBoxProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
