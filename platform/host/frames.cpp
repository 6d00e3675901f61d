// With the program's FRAMES variable set (EmulatorSetProgramName), every frame the desktop
// window is given is written to the standard error as "frame NANOSECONDS" (the system's
// monotonic clock), so a benchmark can time a click to the frame that answers it; with its
// FIRST_FRAME variable set, the moment the program's first paint reaches the desktop, as
// "first frame NANOSECONDS", for measuring the start-up from outside.
#include <cstdio>
#include <cstdlib>
#include <ctime>

#include "host/program.h"
#include "host/screen.h"

void ScreenReportFrame() {
  static const bool on = HostProgramVariable("FRAMES") != nullptr;
  if (!on) return;
  timespec now;
  clock_gettime(CLOCK_MONOTONIC, &now);
  std::fprintf(stderr, "frame %lld\n", static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
  std::fflush(stderr);
}

void ScreenReportFirstFrame() {
  static bool reported = false;
  if (reported) return;
  reported = true;
  if (HostProgramVariable("FIRST_FRAME") == nullptr) return;
  timespec now;
  clock_gettime(CLOCK_MONOTONIC, &now);
  std::fprintf(stderr, "first frame %lld\n", static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
  std::fflush(stderr);
}
