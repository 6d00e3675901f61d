// With MARLIX_PENTRO_FRAMES set, every frame the desktop window is given is written to the
// standard error as "frame NANOSECONDS" (the system's monotonic clock), so a benchmark can
// time a click to the frame that answers it.
#include <cstdio>
#include <cstdlib>
#include <ctime>

#include "host/screen.h"

void ScreenReportFrame() {
  static const bool on = std::getenv("MARLIX_PENTRO_FRAMES") != nullptr;
  if (!on) return;
  timespec now;
  clock_gettime(CLOCK_MONOTONIC, &now);
  std::fprintf(stderr, "frame %lld\n", static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
  std::fflush(stderr);
}
