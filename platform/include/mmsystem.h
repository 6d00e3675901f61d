// The handheld's wave player: one sound at a time on the one sound output.
#pragma once

#include "platform/windef.h"

constexpr DWORD SND_SYNC = 0x0000;
constexpr DWORD SND_ASYNC = 0x0001;
constexpr DWORD SND_NODEFAULT = 0x0002;
constexpr DWORD SND_FILENAME = 0x00020000;

// A null name stops the sound that is playing. A file name with SND_FILENAME cuts what is
// playing and plays the file: with SND_ASYNC the call returns at once, without it the call
// returns when the file has played to its end or was cut by a later play or stop.
// A file that cannot be read, or a machine without sound output, plays nothing (FALSE).
BOOL PlaySoundW(LPCWSTR sound, HMODULE module, DWORD flags);
