// A worker on a page, which has no threads of the program's own: its routine runs on the
// page's thread as soon as the program next waits after a wake, and by a timer at the time
// it asks for. A wait returns at once: nothing else could make its condition come true
// while it waited.
#include "host/worker.h"

#include <emscripten.h>

#include <cmath>

struct HostWorker {
  HostClock::time_point (*serve)();
  bool soon = false;                                         // a run is queued for the next wait
  HostClock::time_point due = HostClock::time_point::max();  // the earliest timer set
};

namespace {

struct Timer {
  HostWorker* worker;
  HostClock::time_point due;
};

void Serve(HostWorker* w);

void OnTimer(void* data) {
  const Timer timer = *static_cast<Timer*>(data);
  delete static_cast<Timer*>(data);
  // A timer overtaken by an earlier one, or by a run since, has nothing left to do.
  if (timer.due != timer.worker->due) return;
  timer.worker->due = HostClock::time_point::max();
  Serve(timer.worker);
}

void OnSoon(void* data) {
  HostWorker* w = static_cast<HostWorker*>(data);
  w->soon = false;
  Serve(w);
}

void Serve(HostWorker* w) {
  const HostClock::time_point next = w->serve();
  if (next == HostClock::time_point::max() || next >= w->due) return;
  w->due = next;
  const auto wait = std::chrono::duration<double, std::milli>(next - HostClock::now()).count();
  emscripten_async_call(OnTimer, new Timer{w, next}, wait > 0 ? static_cast<int>(std::ceil(wait)) : 0);
}

}  // namespace

HostWorker* HostWorkerNew(HostClock::time_point (*serve)(), const char*) {
  HostWorker* worker = new HostWorker;
  worker->serve = serve;
  return worker;
}

bool HostWorkerWake(HostWorker* w, std::unique_lock<std::mutex>&) {
  if (!w->soon) {
    w->soon = true;
    emscripten_async_call(OnSoon, w, 0);
  }
  return true;
}

void HostWorkerWait(HostWorker*, std::unique_lock<std::mutex>&, const std::function<bool()>&) {}
