// Drawing the platform's own windows into the framebuffer: fills, gradients, frames, a
// smoothed disc and text, each clipped to the area being drawn.
#include "gdi/screen_paint.h"

#include <string>

#include "host/font.h"
#include "host/path.h"
#include "host/screen.h"
#include "platform/wingdi.h"

namespace {

// The part of the rectangle that may be drawn: within the clip and the framebuffer.
bool Visible(HostImage* surface, const RECT& clip, const RECT& rect, RECT* out) {
  if (surface == nullptr) return false;
  const SIZE size = HostImageSize(surface);
  *out = RectIntersect(RectIntersect(clip, rect), RECT{0, 0, size.cx, size.cy});
  return !RectEmpty(*out);
}

BYTE Mix(BYTE from, BYTE to, int weight, int total) {
  return static_cast<BYTE>((from * (total - weight) + to * weight + total / 2) / total);
}

// Renders in the platform's font at a size and weight, on one line unless wrapped.
HostImage* Render(LPCWSTR text, COLORREF colour, const TextStyle& style) {
  return HostRenderText(Utf8FromDevice(text), colour, HostTextStyle{style.points, style.bold},
                        style.wrapWidth > 0 ? style.wrapWidth : -1);
}

}  // namespace

void PaintFill(const RECT& clip, const RECT& rect, COLORREF colour) {
  HostImage* surface = ScreenFramebuffer();
  RECT area;
  if (!Visible(surface, clip, rect, &area)) return;
  HostImageFill(surface, area, colour);
}

void PaintGradient(const RECT& clip, const RECT& rect, COLORREF top, COLORREF bottom) {
  HostImage* surface = ScreenFramebuffer();
  RECT area;
  if (!Visible(surface, clip, rect, &area)) return;
  const int span = rect.bottom - rect.top > 1 ? rect.bottom - rect.top - 1 : 1;
  for (int y = area.top; y < area.bottom; ++y) {
    const int weight = y - rect.top;
    const COLORREF c = RGB(Mix(GetRValue(top), GetRValue(bottom), weight, span),
                           Mix(GetGValue(top), GetGValue(bottom), weight, span),
                           Mix(GetBValue(top), GetBValue(bottom), weight, span));
    HostImageFill(surface, RECT{area.left, y, area.right, y + 1}, c);
  }
}

void PaintFrame(const RECT& clip, const RECT& rect, COLORREF colour, int thickness) {
  const LONG t = thickness;
  PaintFill(clip, RECT{rect.left, rect.top, rect.right, rect.top + t}, colour);
  PaintFill(clip, RECT{rect.left, rect.bottom - t, rect.right, rect.bottom}, colour);
  PaintFill(clip, RECT{rect.left, rect.top, rect.left + t, rect.bottom}, colour);
  PaintFill(clip, RECT{rect.right - t, rect.top, rect.right, rect.bottom}, colour);
}

void PaintDisc(const RECT& clip, const RECT& rect, COLORREF colour) {
  HostImage* surface = ScreenFramebuffer();
  RECT area;
  if (!Visible(surface, clip, rect, &area)) return;
  // Coverage of each pixel from 4 x 4 samples, in units of a quarter pixel.
  const int cx = rect.left * 4 + (rect.right - rect.left) * 2;
  const int cy = rect.top * 4 + (rect.bottom - rect.top) * 2;
  const int radius =
      (rect.right - rect.left < rect.bottom - rect.top ? rect.right - rect.left : rect.bottom - rect.top) * 2;
  for (int y = area.top; y < area.bottom; ++y)
    for (int x = area.left; x < area.right; ++x) {
      int covered = 0;
      for (int sy = 0; sy < 4; ++sy)
        for (int sx = 0; sx < 4; ++sx) {
          const int dx = x * 4 + sx - cx, dy = y * 4 + sy - cy;
          if ((2 * dx + 1) * (2 * dx + 1) + (2 * dy + 1) * (2 * dy + 1) <= 4 * radius * radius) ++covered;
        }
      if (covered == 0) continue;
      const COLORREF under = HostImagePixel(surface, x, y);
      HostImageSetPixel(surface, x, y,
                        RGB(Mix(GetRValue(under), GetRValue(colour), covered, 16),
                            Mix(GetGValue(under), GetGValue(colour), covered, 16),
                            Mix(GetBValue(under), GetBValue(colour), covered, 16)));
    }
}

SIZE MeasureText(LPCWSTR text, const TextStyle& style) {
  HostImage* rendered = Render(text, RGB(0, 0, 0), style);
  if (rendered == nullptr) return SIZE{0, 0};
  const SIZE size = HostImageSize(rendered);
  HostImageFree(rendered);
  return size;
}

void PaintText(const RECT& clip, int x, int y, LPCWSTR text, COLORREF colour, const TextStyle& style) {
  HostImage* surface = ScreenFramebuffer();
  RECT area;
  if (!Visible(surface, clip, clip, &area)) return;
  HostImage* rendered = Render(text, colour, style);
  if (rendered == nullptr) return;
  HostImageDraw(surface, POINT{x, y}, rendered, area);
  HostImageFree(rendered);
}
