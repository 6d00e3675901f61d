// Inside the host only, on a web page: the page's shape, which chooses the screen.
#pragma once

#include "platform/windef.h"

// The screen the page shows best now: among the handheld's large screens (or, when the
// program's SCREEN variable names one, that one upright and sideways) the one the page
// shows largest.
SIZE PageScreen();
// When the page pressed the turn key to take another screen, the screen it chose, in
// `size`; false for a turn of the player's own (F2).
bool PageTakesScreen(SIZE* size);
// The screen turned: the page's shape is looked at again, as it may have changed meanwhile.
void PageScreenTurned();
