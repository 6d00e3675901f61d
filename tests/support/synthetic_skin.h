// A stand-in for the artwork: all 36 backgrounds and 12 sprite sheets, with every pixel a
// known function of where it lies, so a test can tell which sprite landed where.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "platform/windef.h"

enum SheetKind { HorizontalSheet, VerticalSheet, SquaresSheet };

// Writes every skin file into a folder; false when one could not be written.
bool WriteSyntheticSkins(const std::string& folder);
// Writes one background or one sheet (by the resolution id whose metrics size it).
bool WriteSyntheticBackground(const std::string& folder, int skin, int resolutionId);
bool WriteSyntheticSheet(const std::string& folder, SheetKind kind, int resolutionId);

// The background pixel at a screen position. Never white and never skin 1's score grey.
COLORREF BackgroundPixel(int skin, int resolutionId, int x, int y);
// A pixel inside one sprite: (x, y) within the sprite of a skin and owner (1 or -1).
COLORREF SpritePixel(SheetKind kind, int resolutionId, int skin, int32_t owner, int x, int y);

// Any test image, written by the artwork's own GIF writer: at most 256 different colours.
bool WriteGif(const std::string& path, int width, int height,
              const std::function<COLORREF(int x, int y)>& pixel);
