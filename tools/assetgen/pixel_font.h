// A 5 x 7 pixel font of capital letters for the labels and the title on the backgrounds,
// drawn at a whole-number scale so it stays crisp.
#pragma once

#include "tools/assetgen/raster.h"

constexpr int GlyphWidth = 5;
constexpr int GlyphHeight = 7;

// Width of a text in pixels with one scaled pixel column between letters plus `spacing`.
int TextWidth(const char* text, int scale, int spacing);
// Draws capital letters and spaces; other characters are left blank.
void DrawText(Canvas& canvas, int left, int top, const char* text, int scale, int spacing, Colour colour);
