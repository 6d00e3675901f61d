// Pictures for the help page, made in the page itself from the skin images beside it: a
// skin's board with a game under way, and single drawn lines and taken boxes. Nothing new
// is drawn, so the page shows exactly what the game shows.
#pragma once

#include <cstdint>
#include <string>

#include "tools/assetgen/board_art.h"

// A 240 x 320 picture of skin 0-5 in the middle of a game, with both scores.
std::string SkinShot(int skin, const char* description);
// A box of skin 0 closed by `owner` (-1 the player, 1 the computer): its four lines, the
// box itself and its corner points, at full size.
std::string ClosedBox(int32_t owner);
