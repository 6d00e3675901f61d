// The main window's handle, set when the window is created.
#include "app/mainwnd.h"

HWND hMainWnd;
