// A page has one thread (threads of its own need cross-origin isolation, which a plain
// static server does not give): none is started, and a task runs on the page's thread as
// soon as the program next waits.
#include "host/thread.h"

#include <emscripten.h>

namespace {

struct Task {
  int (*run)(void* data);
  void* data;
};

void RunTask(void* task) {
  const Task t = *static_cast<Task*>(task);
  delete static_cast<Task*>(task);
  t.run(t.data);
}

}  // namespace

bool HostStartThread(int (*)(void*), void*, size_t, const char*) { return false; }

bool HostStartTask(int (*run)(void* data), void* data, size_t, const char*) {
  emscripten_async_call(RunTask, new Task{run, data}, 0);
  return true;
}

// No process forks on a page.
void HostOnFork(void (*)(), void (*)(), void (*)()) {}
