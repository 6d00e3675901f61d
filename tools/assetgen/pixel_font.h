// Two pixel fonts of capital letters for the labels and the title on the backgrounds,
// drawn at a whole-number scale so they stay crisp: 5 x 7, and 3 x 5 for the labels of the
// small screens, where a score field has little room beside its number.
#pragma once

#include <cstdint>

#include "tools/assetgen/raster.h"

struct PixelFont {
  int width, height;
  const uint8_t (*letters)[7];  // A-Z, one row of `width` bits per byte from the top
};

extern const PixelFont RegularFont;  // 5 x 7
extern const PixelFont SmallFont;    // 3 x 5

// Width of a text in pixels with one scaled pixel column between letters plus `spacing`.
int TextWidth(const PixelFont& font, const char* text, int scale, int spacing);
// Draws capital letters and spaces; other characters are left blank.
void DrawText(Canvas& canvas, int left, int top, const PixelFont& font, const char* text, int scale,
              int spacing, Colour colour);
