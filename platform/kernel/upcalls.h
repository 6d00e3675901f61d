// Inside the platform only: the calls the kernel makes outside itself, handed over once as
// the program starts (platform/wiring.cpp), each null until then. Pauses live in the part of
// the kernel that links no desktop, so the game core builds and tests without SDL.
#pragma once

#include <string>

#include "platform/windef.h"

struct KernelUpcalls {
  // How a pause waits, taking the whole time it is given: the desktop's wait, which serves
  // the desktop window meanwhile. Null: a plain wait.
  void (*pauseWait)(DWORD milliseconds);
  // The help viewer could not show its page (a desktop path): with the name of the browser
  // that failed, or an empty one when none was found. On the program's thread, when it next
  // takes its events.
  void (*helpNotShown)(const std::string& page, const std::string& browser);
};
extern KernelUpcalls KernelAbove;  // defined in sleep.cpp
