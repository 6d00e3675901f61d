// Controls of the emulated handheld that the device itself did not have: for tests,
// benchmarks and the desktop program's start.
#pragma once

#include "platform/windef.h"

// Sleep pauses for real unless switched off; tests and benchmarks switch it off.
void EmulatorSetPauses(BOOL on);
