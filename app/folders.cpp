// The program's folders.
#include "app/folders.h"

WCHAR ProgramFolder[MAX_PATH];
WCHAR ResFolder[MAX_PATH];
