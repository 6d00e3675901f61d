// Threads that run on their own, and the handles of threads and processes. Threads are the
// desktop's, started by the host (where it has none, the routine runs on the program's
// thread when it next waits); closing the handle only forgets it.
#include "host/thread.h"

#include <atomic>

#include "kernel/handles.h"
#include "platform/winbase.h"

namespace {

struct ThreadStart {
  LPTHREAD_START_ROUTINE start;
  LPVOID parameter;
};

std::atomic<DWORD> nextThreadId{1};

int Run(void* argument) {
  const ThreadStart start = *static_cast<ThreadStart*>(argument);
  delete static_cast<ThreadStart*>(argument);
  return static_cast<int>(start.start(start.parameter));
}

}  // namespace

HANDLE CreateThread(LPSECURITY_ATTRIBUTES, size_t stackSize, LPTHREAD_START_ROUTINE start, LPVOID parameter,
                    DWORD creationFlags, LPDWORD threadId) {
  if (start == nullptr || creationFlags != 0) return nullptr;
  ThreadStart* startData = new ThreadStart{start, parameter};
  if (!HostStartTask(Run, startData, stackSize, "CreateThread")) {
    delete startData;
    return nullptr;
  }
  const DWORD id = nextThreadId++;
  if (threadId != nullptr) *threadId = id;
  return NewKernelHandle(id);
}

// The handle only has to be a distinct, closable token: nothing is ever joined or waited
// for through it.
struct KernelHandle {
  DWORD id;
};

HANDLE NewKernelHandle(DWORD id) { return new KernelHandle{id}; }

BOOL CloseHandle(HANDLE handle) {
  if (handle == nullptr) return FALSE;
  delete static_cast<KernelHandle*>(handle);
  return TRUE;
}
