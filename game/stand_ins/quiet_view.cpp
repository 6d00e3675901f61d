// The quiet stand-in for the board's drawing (view/): nothing is drawn.
#include "game/effects.h"

void DrawCell(int) {}
void InvalidateUserScore() {}
void InvalidateComputerScore() {}
