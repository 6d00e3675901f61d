// Threads that run on their own: created detached, so closing the handle only forgets it.
#include <pthread.h>

#include <atomic>

#include "platform/winbase.h"

namespace {

struct ThreadStart {
  LPTHREAD_START_ROUTINE start;
  LPVOID parameter;
};

// The handle only has to be a distinct, closable token: the thread is never joined.
struct ThreadHandle {
  DWORD id;
};

std::atomic<DWORD> nextThreadId{1};

void* Run(void* argument) {
  const ThreadStart start = *static_cast<ThreadStart*>(argument);
  delete static_cast<ThreadStart*>(argument);
  start.start(start.parameter);
  return nullptr;
}

}  // namespace

HANDLE CreateThread(LPSECURITY_ATTRIBUTES, size_t stackSize, LPTHREAD_START_ROUTINE start, LPVOID parameter,
                    DWORD creationFlags, LPDWORD threadId) {
  if (start == nullptr || creationFlags != 0) return nullptr;
  pthread_attr_t attributes;
  if (pthread_attr_init(&attributes) != 0) return nullptr;
  pthread_attr_setdetachstate(&attributes, PTHREAD_CREATE_DETACHED);
  if (stackSize != 0) pthread_attr_setstacksize(&attributes, stackSize);
  ThreadStart* startData = new ThreadStart{start, parameter};
  pthread_t thread;
  const bool started = pthread_create(&thread, &attributes, Run, startData) == 0;
  pthread_attr_destroy(&attributes);
  if (!started) {
    delete startData;
    return nullptr;
  }
  ThreadHandle* handle = new ThreadHandle{nextThreadId++};
  if (threadId != nullptr) *threadId = handle->id;
  return handle;
}

BOOL CloseHandle(HANDLE handle) {
  if (handle == nullptr) return FALSE;
  delete static_cast<ThreadHandle*>(handle);
  return TRUE;
}
