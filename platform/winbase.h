// The handheld's kernel calls the program uses: pauses, threads, processes, its own path.
#pragma once

#include "platform/windef.h"

// Blocks the calling thread. Tests and benchmarks switch pauses off (platform/emulator.h).
void Sleep(DWORD milliseconds);

// The program's own file name, as the device writes paths: "\usr\games\marlix-pentro".
// Cut to nSize - 1 characters when it does not fit; returns the characters written.
DWORD GetModuleFileNameW(HMODULE module, LPWSTR fileName, DWORD nSize);

// Threads. A thread runs at once and on its own; closing its handle does not stop it.
struct SECURITY_ATTRIBUTES;
typedef SECURITY_ATTRIBUTES* LPSECURITY_ATTRIBUTES;
typedef DWORD (*LPTHREAD_START_ROUTINE)(LPVOID parameter);
// Creation flags other than 0 are not offered; such a request fails with a null handle.
HANDLE CreateThread(LPSECURITY_ATTRIBUTES security, size_t stackSize, LPTHREAD_START_ROUTINE start,
                    LPVOID parameter, DWORD creationFlags, LPDWORD threadId);
BOOL CloseHandle(HANDLE handle);
