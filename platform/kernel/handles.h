// Inside the platform only: handles of threads and processes, tokens that CloseHandle frees.
#pragma once

#include "platform/windef.h"

HANDLE NewKernelHandle(DWORD id);
