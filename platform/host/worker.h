// Work done away from the program's thread: a routine that serves its owner's requests
// whenever it is woken, and again at the time it asks for, so no caller waits for what it
// does (the wave player's sound thread). The owner guards its requests with a lock of its
// own, held for each wake and wait. On the desktop the routine runs on a thread of its own;
// a host without threads (a web page) runs it at once on a wake and again by a timer, and a
// wait there returns at once.
#pragma once

#include <chrono>
#include <functional>
#include <mutex>

using HostClock = std::chrono::steady_clock;

struct HostWorker;

// `serve` runs outside the owner's lock and returns when it has to run again by itself
// (HostClock::time_point::max(): only when woken). Made once, it lives to the end.
HostWorker* HostWorkerNew(HostClock::time_point (*serve)(), const char* name);
// With the owner's lock held: something changed that the routine or a waiter waits for.
// Starts the thread the first time; false when the routine cannot run.
bool HostWorkerWake(HostWorker* worker, std::unique_lock<std::mutex>& lock);
// With the owner's lock held: waits, letting the lock go meanwhile, until `done` holds.
void HostWorkerWait(HostWorker* worker, std::unique_lock<std::mutex>& lock,
                    const std::function<bool()>& done);
