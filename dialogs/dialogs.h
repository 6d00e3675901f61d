// The Options and About commands of the main window, each showing its dialog over it.
#pragma once

#include "platform/windef.h"

void OptionsCommand(HWND hWnd);
void AboutCommand(HWND hWnd);
