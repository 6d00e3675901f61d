// Inside the platform only: how a pause waits. The layers above the kernel hand it a wait
// that keeps serving the desktop while the program's thread pauses.
#pragma once

#include "platform/windef.h"

// Null: a plain wait. The wait must take the whole time it is given.
void SetSleepWait(void (*wait)(DWORD milliseconds));
