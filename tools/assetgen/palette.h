// An exact palette for a picture of at most 256 colours, as the GIF and the 8-bit bitmap
// files store it: nothing is quantised, so a colour in the file is the colour drawn.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "tools/assetgen/raster.h"

constexpr int MaxPaletteColours = 256;

// Colours in order of first use, so the same picture always gives the same bytes, and one
// index per pixel. False when the picture has more than 256 colours.
bool BuildPalette(const Canvas& canvas, std::vector<Colour>& palette, std::vector<uint8_t>& indices);
