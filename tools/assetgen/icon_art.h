// The program icon: one box of the board in the classic skin, taken by the player, on a
// rounded plate. A shape list, so the window's bitmap and the desktop's SVG are one picture.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tools/assetgen/raster.h"

constexpr int IconSize = 64;  // the built-in bitmap, in pixels

// The icon `size` pixels square, with its coverage in `alpha` (0 outside the plate).
Canvas DrawIcon(int size, std::vector<uint8_t>& alpha);
// The icon for launchers that cut it to a shape of their own (a circle, a rounded square):
// the plate fills the square, the board's corner kept well inside, every pixel opaque.
Canvas DrawFullIcon(int size);
std::string IconSvg();
