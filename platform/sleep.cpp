// Pauses of the calling thread, which tests and benchmarks switch off.
#include <atomic>
#include <chrono>
#include <thread>

#include "platform/emulator.h"
#include "platform/winbase.h"

namespace {
std::atomic<bool> pausesOn{true};
}  // namespace

void EmulatorSetPauses(BOOL on) { pausesOn = on != FALSE; }

void Sleep(DWORD milliseconds) {
  if (pausesOn) std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}
