// The handheld's kernel calls the program uses: pauses, threads, processes, its own path.
#pragma once

#include "platform/windef.h"

// Blocks the calling thread. Tests and benchmarks switch pauses off (platform/emulator.h).
void Sleep(DWORD milliseconds);

// The program's own file name, as the device writes paths: "\usr\games\marlix-pentro".
// Cut to nSize - 1 characters when it does not fit; returns the characters written.
DWORD GetModuleFileNameW(HMODULE module, LPWSTR fileName, DWORD nSize);
