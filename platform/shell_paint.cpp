// Drawing the platform's own windows into the framebuffer: fills, gradients, frames, a
// smoothed disc and text, each clipped to the area being drawn.
#include "platform/shell_paint.h"

#include <SDL.h>
#include <SDL_ttf.h>

#include <string>

#include "host/font.h"
#include "host/path.h"
#include "host/screen.h"
#include "platform/wingdi.h"

namespace {

// The part of the rectangle that may be drawn: within the clip and the framebuffer.
bool Visible(SDL_Surface* surface, const RECT& clip, const RECT& rect, RECT* out) {
  if (surface == nullptr) return false;
  *out = RectIntersect(RectIntersect(clip, rect), RECT{0, 0, surface->w, surface->h});
  return !RectEmpty(*out);
}

Uint32 Map(SDL_Surface* surface, COLORREF colour) {
  return SDL_MapRGB(surface->format, GetRValue(colour), GetGValue(colour), GetBValue(colour));
}

Uint32* PixelAt(SDL_Surface* surface, int x, int y) {
  return reinterpret_cast<Uint32*>(static_cast<Uint8*>(surface->pixels) + y * surface->pitch) + x;
}

BYTE Mix(BYTE from, BYTE to, int weight, int total) {
  return static_cast<BYTE>((from * (total - weight) + to * weight + total / 2) / total);
}

// Renders with the default font at a size and weight, which are put back afterwards so
// the board's scores keep theirs.
SDL_Surface* Render(LPCWSTR text, COLORREF colour, const TextStyle& style) {
  TTF_Font* font = DefaultFont();
  const std::string utf8 = Utf8FromDevice(text);
  if (font == nullptr || utf8.empty()) return nullptr;
  const int dpi = ScreenDpi();
  if (style.points != PlainText.points) TTF_SetFontSizeDPI(font, style.points, dpi, dpi);
  if (style.bold) TTF_SetFontStyle(font, TTF_STYLE_BOLD);
  const SDL_Color c{GetRValue(colour), GetGValue(colour), GetBValue(colour), 255};
  SDL_Surface* rendered =
      style.wrapWidth > 0
          ? TTF_RenderUTF8_Blended_Wrapped(font, utf8.c_str(), c, static_cast<Uint32>(style.wrapWidth))
          : TTF_RenderUTF8_Blended(font, utf8.c_str(), c);
  if (style.bold) TTF_SetFontStyle(font, TTF_STYLE_NORMAL);
  if (style.points != PlainText.points) TTF_SetFontSizeDPI(font, PlainText.points, dpi, dpi);
  return rendered;
}

}  // namespace

void PaintFill(const RECT& clip, const RECT& rect, COLORREF colour) {
  SDL_Surface* surface = ScreenFramebuffer();
  RECT area;
  if (!Visible(surface, clip, rect, &area)) return;
  const SDL_Rect fill{area.left, area.top, area.right - area.left, area.bottom - area.top};
  SDL_FillRect(surface, &fill, Map(surface, colour));
}

void PaintGradient(const RECT& clip, const RECT& rect, COLORREF top, COLORREF bottom) {
  SDL_Surface* surface = ScreenFramebuffer();
  RECT area;
  if (!Visible(surface, clip, rect, &area)) return;
  const int span = rect.bottom - rect.top > 1 ? rect.bottom - rect.top - 1 : 1;
  for (int y = area.top; y < area.bottom; ++y) {
    const int weight = y - rect.top;
    const COLORREF c = RGB(Mix(GetRValue(top), GetRValue(bottom), weight, span),
                           Mix(GetGValue(top), GetGValue(bottom), weight, span),
                           Mix(GetBValue(top), GetBValue(bottom), weight, span));
    const SDL_Rect row{area.left, y, area.right - area.left, 1};
    SDL_FillRect(surface, &row, Map(surface, c));
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
  SDL_Surface* surface = ScreenFramebuffer();
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
      Uint32* pixel = PixelAt(surface, x, y);
      Uint8 r, g, b;
      SDL_GetRGB(*pixel, surface->format, &r, &g, &b);
      *pixel = SDL_MapRGB(surface->format, Mix(r, GetRValue(colour), covered, 16),
                          Mix(g, GetGValue(colour), covered, 16), Mix(b, GetBValue(colour), covered, 16));
    }
}

SIZE MeasureText(LPCWSTR text, const TextStyle& style) {
  SDL_Surface* rendered = Render(text, RGB(0, 0, 0), style);
  if (rendered == nullptr) return SIZE{0, 0};
  const SIZE size{rendered->w, rendered->h};
  SDL_FreeSurface(rendered);
  return size;
}

void PaintText(const RECT& clip, int x, int y, LPCWSTR text, COLORREF colour, const TextStyle& style) {
  SDL_Surface* surface = ScreenFramebuffer();
  RECT area;
  if (!Visible(surface, clip, clip, &area)) return;
  SDL_Surface* rendered = Render(text, colour, style);
  if (rendered == nullptr) return;
  SDL_Rect clipRect{area.left, area.top, area.right - area.left, area.bottom - area.top};
  SDL_SetClipRect(surface, &clipRect);
  SDL_Rect at{x, y, rendered->w, rendered->h};
  SDL_BlitSurface(rendered, nullptr, surface, &at);
  SDL_SetClipRect(surface, nullptr);
  SDL_FreeSurface(rendered);
}
