// A worker's thread: it serves its owner whenever it is woken or a time it asked for comes.
#include "host/worker.h"

#include <condition_variable>

#include "host/thread.h"

// Never destroyed: the thread waits on it until the process ends.
struct HostWorker {
  HostClock::time_point (*serve)();
  const char* name;
  std::condition_variable changed;
  uint64_t wakes = 0;  // under the owner's lock
  bool started = false;
  std::mutex* lock = nullptr;
};

namespace {

int Run(void* data) {
  HostWorker& w = *static_cast<HostWorker*>(data);
  std::unique_lock<std::mutex> lock(*w.lock);
  for (;;) {
    const uint64_t seen = w.wakes;
    lock.unlock();
    const HostClock::time_point next = w.serve();
    lock.lock();
    // A wake that came while serving is served at once.
    if (w.wakes != seen) continue;
    if (next == HostClock::time_point::max())
      w.changed.wait(lock);
    else
      w.changed.wait_until(lock, next);
  }
}

}  // namespace

HostWorker* HostWorkerNew(HostClock::time_point (*serve)(), const char* name) {
  HostWorker* worker = new HostWorker;
  worker->serve = serve;
  worker->name = name;
  return worker;
}

bool HostWorkerWake(HostWorker* w, std::unique_lock<std::mutex>& lock) {
  ++w->wakes;
  w->changed.notify_all();
  if (w->started) return true;
  w->lock = lock.mutex();
  w->started = HostStartThread(Run, w, 0, w->name);
  return w->started;
}

void HostWorkerWait(HostWorker* w, std::unique_lock<std::mutex>& lock, const std::function<bool()>& done) {
  w->changed.wait(lock, done);
}
