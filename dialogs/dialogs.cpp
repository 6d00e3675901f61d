// The Options and About commands: not offered yet, so they do nothing.
#include "dialogs/dialogs.h"

void OptionsCommand(HWND) {}
void AboutCommand(HWND) {}
