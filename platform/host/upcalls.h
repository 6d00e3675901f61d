// Inside the platform only: the calls the host makes into the layers above it, handed over
// once as the program starts (platform/wiring.cpp), each null until then.
#pragma once

struct HostUpcalls {
  // The connection to the display was lost: on the program's thread, just before the program
  // ends, so that the layers above can save what they hold (display.h says when).
  void (*displayLost)();
};
extern HostUpcalls HostAbove;  // defined in display.cpp
