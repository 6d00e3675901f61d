// The program's folders.
#include "settings/folders.h"

WCHAR ProgramFolder[MAX_PATH];
WCHAR ResFolder[MAX_PATH];
