// The About box's logo: a corner of the board in the classic skin, two boxes taken, one by
// each side, over the game's name; 69 x 83 pixels, drawn at twice that for the big screens.
#pragma once

#include "tools/assetgen/raster.h"

constexpr int LogoWidth = 69;
constexpr int LogoHeight = 83;

// scale 1 or 2: the same picture at LogoWidth x LogoHeight times the scale.
Canvas DrawLogo(int scale);
