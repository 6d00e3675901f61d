// The wave player's sound thread: it serves the player's requests whenever it is woken or a
// time it asked for comes, so no caller of PlaySoundW ever waits for the sound system.
#include "host/worker.h"

#include <condition_variable>

#include "platform/winbase.h"

namespace {

// Never destroyed: the sound thread waits on it until the process ends.
std::condition_variable& changed = *new std::condition_variable;
uint64_t wakes = 0;  // under the player's lock
bool started = false;
std::mutex* playerLock = nullptr;

DWORD SoundThread(LPVOID) {
  std::unique_lock<std::mutex> lock(*playerLock);
  for (;;) {
    const uint64_t seen = wakes;
    lock.unlock();
    const WaveClock::time_point next = WavePlayerServe();
    lock.lock();
    // A wake that came while serving is served at once.
    if (wakes != seen) continue;
    if (next == WaveClock::time_point::max())
      changed.wait(lock);
    else
      changed.wait_until(lock, next);
  }
}

}  // namespace

bool WaveThreadWake(std::unique_lock<std::mutex>& lock) {
  ++wakes;
  changed.notify_all();
  if (started) return true;
  // The thread is the platform's, as SDL frees what it keeps for a thread only for its own.
  playerLock = lock.mutex();
  HANDLE thread = CreateThread(nullptr, 0, SoundThread, nullptr, 0, nullptr);
  started = thread != nullptr;
  CloseHandle(thread);
  return started;
}

void WaveThreadWait(std::unique_lock<std::mutex>& lock, const std::function<bool()>& done) {
  changed.wait(lock, done);
}
