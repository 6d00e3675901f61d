// Inside the platform only: the device's default font, a sans-serif face of 9 points at
// the screen's dots per inch. Null when no font could be opened.
#pragma once

typedef struct _TTF_Font TTF_Font;

TTF_Font* DefaultFont();
