// Text in the desktop's stand-in for the device's font: a sans-serif face (DejaVu Sans, the
// copy beside the program or the system's), at a size in points on the device screen's dots
// per inch. Every call names the size and weight it wants.
#pragma once

#include <string>

#include "host/image.h"

struct HostTextStyle {
  int points;
  bool bold;
};

// The text rendered on a clear background, or null for empty text or when no font could be
// opened. `wrap` -1 keeps the text on one line; 0 breaks it at its line ends; above 0 also
// breaks it into lines no wider than that.
HostImage* HostRenderText(const std::string& utf8, COLORREF colour, const HostTextStyle& style, int wrap);
// The highest and lowest rows a glyph inks, counted up from the baseline; and how far the
// face's line reaches above the baseline. False, and 0, without a font.
bool HostGlyphRows(char16_t glyph, const HostTextStyle& style, int* lowest, int* highest);
int HostFontAscent(const HostTextStyle& style);
