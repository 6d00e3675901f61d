// Device contexts, bitmaps and the opaque copy between them.
#include "gdi/gdi.h"

#include "gdi/upcalls.h"
#include "host/screen.h"
#include "platform/emulator.h"
#include "platform/wingdi.h"

namespace {

HBRUSH__ whiteBrush{GdiKind::Brush, RGB(255, 255, 255), true};
int liveBitmaps = 0;
HBITMAP__ stockBitmap{GdiKind::Bitmap, nullptr, nullptr, true};

HBITMAP StockBitmap() {
  if (stockBitmap.pixels == nullptr) stockBitmap.pixels = HostImageNew(1, 1);
  return &stockBitmap;
}

GdiKind KindOf(HGDIOBJ object) { return *static_cast<const GdiKind*>(object); }

}  // namespace

constinit GdiUpcalls GdiAbove{};

bool ResolveTarget(HDC dc, DrawTarget* target) {
  if (dc == nullptr) return false;
  if (dc->memory) {
    HostImage* pixels = dc->bitmap != nullptr ? dc->bitmap->pixels : nullptr;
    if (pixels == nullptr) return false;
    const SIZE size = HostImageSize(pixels);
    *target = DrawTarget{pixels, POINT{0, 0}, RECT{0, 0, size.cx, size.cy}};
    return true;
  }
  HostImage* framebuffer = ScreenFramebuffer();
  if (framebuffer == nullptr) return false;
  const SIZE size = HostImageSize(framebuffer);
  const RECT screen{0, 0, size.cx, size.cy};
  if (dc->window == nullptr) {
    *target = DrawTarget{framebuffer, POINT{0, 0}, screen};
    return true;
  }
  RECT client;
  bool visible = false;
  if (GdiAbove.windowPlace == nullptr || !GdiAbove.windowPlace(dc->window, &client, &visible)) return false;
  RECT clip = visible ? RectIntersect(client, screen) : RECT{0, 0, 0, 0};
  if (dc->painting) clip = RectIntersect(clip, RectOffset(dc->paintArea, client.left, client.top));
  *target = DrawTarget{framebuffer, POINT{client.left, client.top}, clip};
  return true;
}

bool ResolveOutput(HDC dc, DrawTarget* target) {
  // A bitmap that shares its pixels with another (SHLoadImageFile) takes a copy of its own.
  if (dc != nullptr && dc->memory && dc->bitmap != nullptr && !dc->bitmap->stock &&
      dc->bitmap->pixels != nullptr && HostImageShared(dc->bitmap->pixels)) {
    HostImage* own = HostImageCopy(dc->bitmap->pixels);
    if (own == nullptr) return false;
    HostImageFree(dc->bitmap->pixels);
    dc->bitmap->pixels = own;
  }
  return ResolveTarget(dc, target);
}

void OutputDone(HDC dc, const RECT& area) {
  if (dc->memory || dc->painting || GdiAbove.windowOutputDone == nullptr) return;
  GdiAbove.windowOutputDone(dc->window, area);
}

HDC NewWindowDC(HWND window, bool painting, const RECT& paintArea) {
  return new HDC__{window, false, painting, paintArea, nullptr, OPAQUE, RGB(0, 0, 0), RGB(255, 255, 255)};
}

void FreeDC(HDC dc) {
  if (dc->bitmap != nullptr && !dc->bitmap->stock) dc->bitmap->selectedInto = nullptr;
  delete dc;
}

HBITMAP NewBitmap(HostImage* pixels) {
  pixels = HostImageInDeviceFormat(pixels);
  if (pixels == nullptr) return nullptr;
  ++liveBitmaps;
  return new HBITMAP__{GdiKind::Bitmap, pixels, nullptr, false};
}

void FillRectWithBrush(HDC dc, const RECT& rect, HBRUSH brush) {
  DrawTarget target;
  if (brush == nullptr || !ResolveOutput(dc, &target)) return;
  const RECT area = RectIntersect(RectOffset(rect, target.origin.x, target.origin.y), target.clip);
  if (RectEmpty(area)) return;
  HostImageFill(target.surface, area, brush->colour);
  OutputDone(dc, area);
}

HDC CreateCompatibleDC(HDC) {
  return new HDC__{nullptr,       true,   false,        RECT{0, 0, 0, 0},
                   StockBitmap(), OPAQUE, RGB(0, 0, 0), RGB(255, 255, 255)};
}

BOOL DeleteDC(HDC dc) {
  if (dc == nullptr) return FALSE;
  FreeDC(dc);
  return TRUE;
}

HGDIOBJ SelectObject(HDC dc, HGDIOBJ object) {
  if (dc == nullptr || object == nullptr || KindOf(object) != GdiKind::Bitmap || !dc->memory) return nullptr;
  HBITMAP bitmap = static_cast<HBITMAP>(object);
  if (!bitmap->stock && bitmap->selectedInto != nullptr && bitmap->selectedInto != dc) return nullptr;
  HBITMAP previous = dc->bitmap;
  if (!previous->stock) previous->selectedInto = nullptr;
  if (!bitmap->stock) bitmap->selectedInto = dc;
  dc->bitmap = bitmap;
  return previous;
}

BOOL DeleteObject(HGDIOBJ object) {
  if (object == nullptr) return FALSE;
  if (KindOf(object) == GdiKind::Brush) {
    HBRUSH brush = static_cast<HBRUSH>(object);
    if (!brush->stock) delete brush;
    return TRUE;
  }
  HBITMAP bitmap = static_cast<HBITMAP>(object);
  if (bitmap->stock) return TRUE;
  if (bitmap->selectedInto != nullptr) return FALSE;
  HostImageFree(bitmap->pixels);
  delete bitmap;
  --liveBitmaps;
  return TRUE;
}

int EmulatorBitmapCount() { return liveBitmaps; }

HGDIOBJ GetStockObject(int object) { return object == WHITE_BRUSH ? &whiteBrush : nullptr; }

HBRUSH CreateSolidBrush(COLORREF colour) { return new HBRUSH__{GdiKind::Brush, colour & 0xFFFFFF, false}; }

int FillRect(HDC dc, const RECT* rect, HBRUSH brush) {
  if (dc == nullptr || rect == nullptr || brush == nullptr) return 0;
  FillRectWithBrush(dc, *rect, brush);
  return 1;
}

COLORREF GetPixel(HDC dc, int x, int y) {
  DrawTarget target;
  if (!ResolveTarget(dc, &target)) return CLR_INVALID;
  const int atX = target.origin.x + x, atY = target.origin.y + y;
  if (atX < target.clip.left || atY < target.clip.top || atX >= target.clip.right || atY >= target.clip.bottom)
    return CLR_INVALID;
  return HostImagePixel(target.surface, atX, atY);
}

BOOL BitBlt(HDC dest, int x, int y, int width, int height, HDC source, int sourceX, int sourceY, DWORD rop) {
  DrawTarget to, from;
  if (rop != SRCCOPY || !ResolveOutput(dest, &to) || !ResolveTarget(source, &from)) return FALSE;
  if (width <= 0 || height <= 0) return TRUE;
  const RECT wanted{to.origin.x + x, to.origin.y + y, to.origin.x + x + width, to.origin.y + y + height};
  const RECT taken{from.origin.x + sourceX, from.origin.y + sourceY, from.origin.x + sourceX + width,
                   from.origin.y + sourceY + height};
  // Only what both the source has and the destination may show is copied.
  const LONG dx = wanted.left - taken.left;
  const LONG dy = wanted.top - taken.top;
  const RECT area =
      RectIntersect(RectIntersect(wanted, to.clip), RectOffset(RectIntersect(taken, from.clip), dx, dy));
  if (RectEmpty(area)) return TRUE;
  HostImageCopyRect(to.surface, area, from.surface, POINT{area.left - dx, area.top - dy});
  OutputDone(dest, area);
  return TRUE;
}

int SetBkMode(HDC dc, int mode) {
  if (dc == nullptr || (mode != TRANSPARENT && mode != OPAQUE)) return 0;
  const int previous = dc->bkMode;
  dc->bkMode = mode;
  return previous;
}

COLORREF SetTextColor(HDC dc, COLORREF colour) {
  if (dc == nullptr) return CLR_INVALID;
  const COLORREF previous = dc->textColour;
  dc->textColour = colour;
  return previous;
}
