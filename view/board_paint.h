// Drawing the board: the whole of it on paint messages, one cell at once as the game
// changes it, and the score fields marked for the next paint. DrawCell and the two score
// invalidations are declared with the game's other outward calls in game/effects.h.
#pragma once

#include <cstdint>

#include "platform/windef.h"

// The main window, set by the program when it makes the window: each cell is drawn into it
// the moment it changes, outside paints, and the score fields are invalidated in it.
extern HWND hMainWnd;

// The body of the main window's paint handler: the background, every drawn line and taken
// box, and both scores. Paints nothing while any skin image is missing.
void PaintBoard(HDC hdc, HWND hWnd);

// Where in its sprite sheet the sprite of a line or box cell lies, for an owner (1 the
// computer, -1 the user) and the current skin and layout.
POINT CellSource(int cell, int32_t owner);
