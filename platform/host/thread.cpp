// Threads are SDL's, detached: SDL frees what it keeps per thread (its error text) only for
// threads it created, and sound threads call into SDL.
#include "host/thread.h"

#include <SDL.h>
#include <pthread.h>

bool HostStartThread(int (*run)(void* data), void* data, size_t stackSize, const char* name) {
  SDL_Thread* thread = SDL_CreateThreadWithStackSize(run, name, stackSize, data);
  if (thread == nullptr) return false;
  SDL_DetachThread(thread);
  return true;
}

bool HostStartTask(int (*run)(void* data), void* data, size_t stackSize, const char* name) {
  return HostStartThread(run, data, stackSize, name);
}

void HostOnFork(void (*before)(), void (*inParent)(), void (*inChild)()) {
  pthread_atfork(before, inParent, inChild);
}
