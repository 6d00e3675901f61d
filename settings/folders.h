// The program's folder and its resource folder ("<program folder>\res"), built once by the
// program at start-up; the skin images and the wave files are read from the resource folder.
#pragma once

#include "platform/windef.h"

extern WCHAR ProgramFolder[MAX_PATH];
extern WCHAR ResFolder[MAX_PATH];
