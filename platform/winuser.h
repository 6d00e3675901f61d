// The handheld's windowing calls: system metrics, windows and messages, message boxes,
// strings and accelerators, dialogs.
#pragma once

#include "platform/windef.h"

// System metrics: the device screen's size in physical pixels, never the desktop window's.
constexpr int SM_CXSCREEN = 0;
constexpr int SM_CYSCREEN = 1;
int GetSystemMetrics(int index);
