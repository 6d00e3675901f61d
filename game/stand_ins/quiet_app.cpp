// The quiet stand-in for the main window (app/): No to the end-of-game question, and no
// window to repaint.
#include "game/effects.h"

int AskYesNo(const char16_t*) { return 0; }
void InvalidateMainWindow() {}
