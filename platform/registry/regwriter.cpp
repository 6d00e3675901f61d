// The registry file's writer: replacements are handed to a thread of their own, so the
// file's write, flush and rename never hold up the program's thread. A replacement asked
// for while another waits takes its place (the latest wins); a flush, and the program's
// end, wait until the last one has landed. Where the host runs no threads of the program's
// own (a web page), each replacement is written at once instead, on the caller's thread.
#include <condition_variable>
#include <cstdlib>
#include <mutex>
#include <optional>
#include <string>

#include "host/thread.h"
#include "registry/regfile.h"

namespace {

// Made once and never destroyed: the writer may still wait on it while the program's
// static objects are torn down.
struct Writer {
  std::mutex lock;
  std::condition_variable wake, landed;
  std::optional<RegStore> waiting;  // the next store to write, and where
  std::string folder;
  bool writing = false;  // the thread is replacing the file now
  bool running = false;  // the thread exists (in this process)
};
Writer& W() {
  static Writer* writer = new Writer;
  return *writer;
}

int Run(void*) {
  Writer& w = W();
  std::unique_lock<std::mutex> guard(w.lock);
  for (;;) {
    w.wake.wait(guard, [&w] { return w.waiting.has_value(); });
    const RegStore store = std::move(*w.waiting);
    const std::string folder = w.folder;
    w.waiting.reset();
    w.writing = true;
    guard.unlock();
    RegSave(store, folder);
    guard.lock();
    w.writing = false;
    w.landed.notify_all();
  }
}

void WaitAtExit() { RegWaitForSaves(); }

// A process forked while the writer runs has no writer of its own: the first save there
// starts one. The lock is held across the fork, so the child never finds it taken by a
// thread that is not there.
void BeforeFork() { W().lock.lock(); }
void AfterForkInParent() { W().lock.unlock(); }
void AfterForkInChild() {
  W().running = false;
  W().writing = false;
  W().lock.unlock();
}

}  // namespace

void RegQueueSave(const RegStore& store) {
  std::string folder = RegFolder();  // read here: the environment belongs to the caller's thread
  Writer& w = W();
  std::unique_lock<std::mutex> guard(w.lock);
  if (!w.running) {
    static const bool prepared = [] {
      HostOnFork(BeforeFork, AfterForkInParent, AfterForkInChild);
      std::atexit(WaitAtExit);
      std::at_quick_exit(WaitAtExit);
      return true;
    }();
    (void)prepared;
    w.running = HostStartThread(Run, nullptr, 0, "registry");
    if (!w.running) {
      guard.unlock();
      RegSave(store, folder);
      return;
    }
  }
  w.waiting = store;
  w.folder = std::move(folder);
  w.wake.notify_one();
}

bool RegSavesPending() {
  Writer& w = W();
  std::lock_guard<std::mutex> guard(w.lock);
  return w.waiting.has_value() || w.writing;
}

void RegWaitForSaves() {
  Writer& w = W();
  std::unique_lock<std::mutex> guard(w.lock);
  w.landed.wait(guard, [&w] { return !w.running || (!w.waiting.has_value() && !w.writing); });
}
