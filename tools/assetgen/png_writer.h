// Writes PNG files, the form a desktop's icon themes take: 8-bit red, green, blue and alpha,
// compressed with zlib.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tools/assetgen/raster.h"

// One straight (not premultiplied) `alpha` value per pixel of `canvas`. False when the file
// cannot be written (said on stderr).
bool WritePng(const std::string& path, const Canvas& canvas, const std::vector<uint8_t>& alpha);
