// Drawing of the windows the platform draws itself (the shell's bars and menus, message
// boxes, dialogs and their controls), straight into the framebuffer in screen coordinates
// and clipped to an area. Text is in the platform's font.
#pragma once

#include "platform/windef.h"

void PaintFill(const RECT& clip, const RECT& rect, COLORREF colour);
// A vertical gradient from the top colour to the bottom one.
void PaintGradient(const RECT& clip, const RECT& rect, COLORREF top, COLORREF bottom);
// A frame of `thickness` pixels inside the rectangle.
void PaintFrame(const RECT& clip, const RECT& rect, COLORREF colour, int thickness);
// A filled disc in the rectangle, its edge smoothed.
void PaintDisc(const RECT& clip, const RECT& rect, COLORREF colour);

// Text at a point size (the platform's font is 9 points), plain or bold. With a wrap
// width above 0 the text is broken into lines no wider than that.
struct TextStyle {
  int points;
  bool bold;
  int wrapWidth;
};
constexpr TextStyle PlainText{9, false, 0};
constexpr TextStyle BoldText{9, true, 0};
SIZE MeasureText(LPCWSTR text, const TextStyle& style);
void PaintText(const RECT& clip, int x, int y, LPCWSTR text, COLORREF colour, const TextStyle& style);
