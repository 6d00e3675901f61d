// The program's state that its start-up and its main window share: the instance, the names
// the window is made with, the menu bar and the shell's activation record.
#include "app/app.h"

HINSTANCE hInst;
WCHAR szTitle[100];
WCHAR szWindowClass[100];
HWND hMenuBar;
SHACTIVATEINFO ActivateInfo;
