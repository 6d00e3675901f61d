// Waiting in tests for what another thread does: a condition that should hold soon, and
// work run on a thread of the platform's, as the game's sound threads run.
#pragma once

#include <chrono>
#include <functional>
#include <future>
#include <thread>

#include "platform/winbase.h"

// Liveness only: what should happen soon is given ten seconds before a test fails.
template <typename Condition>
bool Eventually(Condition condition) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (!condition()) {
    if (std::chrono::steady_clock::now() > end) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  return true;
}

// SDL frees what it keeps for a thread only for threads it made.
inline std::future<BOOL> OnPlatformThread(std::function<BOOL()> work) {
  auto* task = new std::packaged_task<BOOL()>(std::move(work));
  std::future<BOOL> done = task->get_future();
  const LPTHREAD_START_ROUTINE run = [](LPVOID t) -> DWORD {
    (*static_cast<std::packaged_task<BOOL()>*>(t))();
    delete static_cast<std::packaged_task<BOOL()>*>(t);
    return 0;
  };
  CloseHandle(CreateThread(nullptr, 0, run, task, 0, nullptr));
  return done;
}
