// Writes a canvas as a GIF file with an exact palette: the artwork is drawn to stay within
// 256 colours, so nothing is quantised and a sprite matches the background to the bit.
#pragma once

#include <string>

#include "tools/assetgen/raster.h"

// False when the file cannot be written or the picture has more than 256 colours
// (then it says so on stderr).
bool WriteGif(const std::string& path, const Canvas& canvas);
