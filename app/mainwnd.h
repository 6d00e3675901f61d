// The main window's handle: the board is drawn into it outside paints, and the score
// fields are invalidated in it.
#pragma once

#include "platform/windef.h"

extern HWND hMainWnd;
