// Threads that run on their own: SDL's threads, detached, so closing the handle only
// forgets it. SDL's own threads, because SDL frees what it keeps per thread (its error
// text) only for threads it created, and sound threads call into SDL.
#include <SDL.h>

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
  SDL_Thread* thread = SDL_CreateThreadWithStackSize(Run, "marlix", stackSize, startData);
  if (thread == nullptr) {
    delete startData;
    return nullptr;
  }
  SDL_DetachThread(thread);
  ThreadHandle* handle = new ThreadHandle{nextThreadId++};
  if (threadId != nullptr) *threadId = handle->id;
  return handle;
}

BOOL CloseHandle(HANDLE handle) {
  if (handle == nullptr) return FALSE;
  delete static_cast<ThreadHandle*>(handle);
  return TRUE;
}
