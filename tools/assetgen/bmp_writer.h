// Writes Windows device-independent bitmap files, the form the program's built-in pictures
// take: a file header, a 40-byte info header and bottom-up rows padded to four bytes.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tools/assetgen/raster.h"

// 8 bits per pixel with a full 256-entry palette of the picture's exact colours. False when
// the file cannot be written or the picture has more than 256 colours (said on stderr).
bool WriteIndexedBmp(const std::string& path, const Canvas& canvas);
// 32 bits per pixel, blue, green, red and alpha (straight, not premultiplied), one `alpha`
// value per pixel of `canvas`.
bool WriteAlphaBmp(const std::string& path, const Canvas& canvas, const std::vector<uint8_t>& alpha);
