// The skin images as pictures: a background for one skin and screen size, and a sprite
// sheet of one kind holding all six skins.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>

#include "tools/assetgen/board_art.h"
#include "tools/assetgen/raster.h"
#include "tools/assetgen/skin_themes.h"
#include "view/skin_names.h"

// resolutionId 0-5: the screen's full size, with the empty board and both score fields.
Canvas DrawBackground(const SkinTheme& theme, int32_t resolutionId);
// A sheet for the sprite sizes of layout `resolutionId`: lines with the player's left of
// (or above) the computer's, one row (or column) per skin; boxes like horizontal lines.
Canvas DrawSheet(CellKind kind, int32_t resolutionId);

// A file name in the resource folder from the game's pieces of it, such as a skin prefix,
// "background_" and a size suffix: "default_background_240x320.gif".
std::string ResourceFileName(std::initializer_list<LPCWSTR> parts);
