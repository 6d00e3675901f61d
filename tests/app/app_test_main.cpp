// The entry of the program's tests: the headless display and sound, settings in a
// temporary folder, no pauses, and a session of this test program's own, so programs
// started by other tests never find each other. Started with --running-copy it is the
// program already running that a second start finds.
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>

#include "app/app.h"
#include "app/resource.h"
#include "platform/emulator.h"
#include "platform/winuser.h"
#include "tests/support/temp_folder.h"

namespace {

// Starts the program, says so on the standard output, and ends with 0 once another start
// asked it to come to the front (1 when none did within ten seconds).
int RunningCopy() {
  EmulatorStartShell();
  const HINSTANCE instance = EmulatorLoadModule(ProgramResources, ProgramResourceCount);
  if (!InitInstance(instance, SW_SHOW)) return 2;
  std::printf("ready\n");
  std::fflush(stdout);
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (std::chrono::steady_clock::now() < deadline) {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
    if (EmulatorRaiseRequests() > 0) return 0;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  UseTestEnvironment();
  if (argc > 1 && std::string(argv[1]) == "--running-copy") return RunningCopy();
  // The session is named after the desktop's display; a made-up Wayland one keeps clear of
  // X11, whose name would also send the session bus looking for an X server.
  unsetenv("DISPLAY");
  setenv("WAYLAND_DISPLAY", ("marlix-test-" + std::to_string(getpid())).c_str(), 1);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
