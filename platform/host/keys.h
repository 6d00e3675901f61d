// Inside the host only: the desktop's keys (SDL's key codes) as the device's virtual keys,
// and back, for the keys the device has.
#pragma once

#include <cstdint>

// 0 for a key the device has none for.
int VirtualKeyOf(int32_t desktopKey);
// SDLK_UNKNOWN (0) for a virtual key the desktop has none for.
int32_t DesktopKeyOf(int virtualKey);
