// The six skins: their colours and the few style choices that set them apart. Everything
// drawn for a skin, on its backgrounds and in its sprite-sheet cells, comes from here.
#pragma once

#include "tools/assetgen/raster.h"
#include "view/skin_names.h"

// What fills the screen around the board.
enum class Backdrop { Gradient, Paper, Stars, Wood, Felt, Sunset };
// How a line not yet drawn shows on the board.
enum class Hint { Groove, Dots, Dashes };
// How a drawn line looks: a rod lit from above, a glowing tube, or a stroke of ink.
enum class Rod { Shaded, Glow, Ink };
// How a taken box is filled: a bevelled tile, a glossy one, a lit outline, a wash of
// colour, or a gaming chip.
enum class Tile { Square, Glass, Neon, Wash, Chip };

// The colours of one side: lines and boxes are `fill` with `light` and `dark` edges; `mark`
// draws the ring (the player) or the diamond (the computer) on a taken box, `dash` the
// pattern that sets the computer's lines apart.
struct Ink {
  Colour fill, light, dark, mark, dash;
};

struct SkinTheme {
  const char* name;
  Backdrop backdrop;
  Colour backdropTop, backdropBottom, backdropDetail;
  Colour plate, plateRim, plateRimLight;  // the board and its frame
  Colour dot, dotLight, dotDark;          // corner points
  Hint hint;
  Colour hintDark, hintLight;  // lines not yet drawn
  Colour well;                 // a box not yet taken; `plate` for none
  Rod rod;
  Tile tile;
  Ink user, computer;
  Colour panel, panelRim;  // behind the score numbers
  Colour userLabel, computerLabel, title;
};

extern const SkinTheme SkinThemes[SkinCount];
