// Pauses of the calling thread, which tests and benchmarks switch off.
#include <atomic>
#include <chrono>
#include <thread>

#include "kernel/upcalls.h"
#include "platform/emulator.h"
#include "platform/winbase.h"

namespace {
std::atomic<bool> pausesOn{true};
}  // namespace

constinit KernelUpcalls KernelAbove{};

void EmulatorSetPauses(BOOL on) { pausesOn = on != FALSE; }

void Sleep(DWORD milliseconds) {
  if (!pausesOn) return;
  if (KernelAbove.pauseWait != nullptr) {
    KernelAbove.pauseWait(milliseconds);
    return;
  }
  std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}
