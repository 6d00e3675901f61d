// The handheld's graphics calls: bitmaps, device contexts, copies and text colours.
#pragma once

#include "platform/windef.h"

constexpr DWORD SRCCOPY = 0x00CC0020;

constexpr int TRANSPARENT = 1;
constexpr int OPAQUE = 2;

constexpr int WHITE_BRUSH = 0;

constexpr COLORREF CLR_INVALID = 0xFFFFFFFF;

// A memory device context starts with a 1 x 1 stock bitmap selected; select a bitmap into
// it to copy from or to that bitmap. A bitmap is selected into one device context at most.
HDC CreateCompatibleDC(HDC dc);
BOOL DeleteDC(HDC dc);
// Returns the object it replaced, or null when the object cannot be selected.
HGDIOBJ SelectObject(HDC dc, HGDIOBJ object);
// Fails for an object still selected into a device context; stock objects are kept.
BOOL DeleteObject(HGDIOBJ object);
HGDIOBJ GetStockObject(int object);

// A brush of one colour, for FillRect; DeleteObject frees it.
HBRUSH CreateSolidBrush(COLORREF colour);
// Fills a rectangle (left and top inside, right and bottom outside) with a brush, clipped
// as BitBlt's output is.
int FillRect(HDC dc, const RECT* rect, HBRUSH brush);

// An opaque, unscaled copy of a rectangle; only SRCCOPY is offered. Output to a window is
// clipped to its client area and, inside a paint, to the area being painted.
BOOL BitBlt(HDC dest, int x, int y, int width, int height, HDC source, int sourceX, int sourceY, DWORD rop);

// What a device context's screen is: its size in pixels (HORZRES, VERTRES) and in
// millimetres on the glass (HORZSIZE, VERTSIZE), and its logical dots per inch
// (LOGPIXELSX, LOGPIXELSY), which fonts and bars are sized by. 0 for any other index.
constexpr int HORZSIZE = 4;
constexpr int VERTSIZE = 6;
constexpr int HORZRES = 8;
constexpr int VERTRES = 10;
constexpr int LOGPIXELSX = 88;
constexpr int LOGPIXELSY = 90;
int GetDeviceCaps(HDC dc, int index);

// Background mode and text colour return the previous value.
int SetBkMode(HDC dc, int mode);
COLORREF SetTextColor(HDC dc, COLORREF colour);
