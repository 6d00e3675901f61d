// The loaded skin: a background for the screen size and three sprite sheets holding the
// lines and taken boxes of all six skins, with the colour of the score texts.
#pragma once

#include <cstdint>

#include "platform/windef.h"
#include "settings/settings.h"

struct SkinImageHandles {
  HBITMAP background;
  HBITMAP horizontalLines;
  HBITMAP verticalLines;
  HBITMAP squares;
};

// Each handle is null until loaded and stays null when its file would not load.
extern SkinImageHandles SkinImages;
// The score texts' colour: grey for skin 1, white otherwise and while no skin is loaded.
extern COLORREF scoreTextColour;

enum SkinImage { SkinBackground, SkinHorizontalLines, SkinVerticalLines, SkinSquares };

// The file of one image for the current skin and resolution id: the resource folder, then
// the image's name pieces, in a buffer of MAX_PATH characters.
void SkinFileName(SkinImage image, LPWSTR name);

// Whether the four images of a resolution id, in the default skin, are in the resource folder.
bool SkinPicturesPresent(int32_t resolutionId);

// Loads the four images and sets the score colour. The handles are overwritten, so a loaded
// skin is freed first.
void LoadSkin();
// Whether all four images are loaded: a picture missing from the resource folder leaves its
// handle null.
bool SkinLoaded();
// Deletes the loaded images and turns the score colour back to white. The handles keep
// their values: a new skin is loaded straight after, or the window is going away.
void FreeSkin();
