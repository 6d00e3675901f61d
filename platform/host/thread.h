// Threads of the desktop, for the layers above: each runs on its own to its end, and
// nothing waits for it. A host without threads of the program's own (a web page) starts
// none, and says so.
#pragma once

#include <cstddef>

// Starts `run(data)` on a thread of its own (a stack size of 0 is the desktop's default);
// false when no thread could be started.
bool HostStartThread(int (*run)(void* data), void* data, size_t stackSize, const char* name);
// Runs `run(data)` apart from its caller, which does not wait for it: on a thread of its own
// (as HostStartThread), or, on a host without threads, on the program's thread as soon as
// it next waits, where the routine must not block. False when it cannot be run.
bool HostStartTask(int (*run)(void* data), void* data, size_t stackSize, const char* name);
// Handlers run around a fork of the process: before it, and after it in the parent and in
// the child, where no thread of the parent's runs any more.
void HostOnFork(void (*before)(), void (*inParent)(), void (*inChild)());
