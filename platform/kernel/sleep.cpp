// Pauses of the calling thread, which tests and benchmarks switch off.
#include "kernel/sleep.h"

#include <atomic>
#include <chrono>
#include <thread>

#include "platform/emulator.h"
#include "platform/winbase.h"

namespace {
std::atomic<bool> pausesOn{true};
std::atomic<void (*)(DWORD)> wait{nullptr};
}  // namespace

void EmulatorSetPauses(BOOL on) { pausesOn = on != FALSE; }

void SetSleepWait(void (*waiter)(DWORD milliseconds)) { wait = waiter; }

void Sleep(DWORD milliseconds) {
  if (!pausesOn) return;
  if (void (*waiter)(DWORD) = wait) {
    waiter(milliseconds);
    return;
  }
  std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}
