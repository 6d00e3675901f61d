// Test images: GIF files written from colours, as the artwork is.
#pragma once

#include <string>
#include <vector>

#include "platform/windef.h"

// Writes a width x height image of at most 256 different colours (0x00BBGGRR, row by row).
bool WriteGif(const std::string& path, int width, int height, const std::vector<COLORREF>& pixels);
