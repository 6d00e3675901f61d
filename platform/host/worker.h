// Inside the platform only: the wave player's one sound thread, the only place where it
// starts or waits for threads. A build without threads replaces wave_thread.cpp: its wake
// runs WavePlayerServe at once (and again at the time that asks for), and its wait returns
// at once, so a synchronous play does not wait for its end.
#pragma once

#include <chrono>
#include <functional>
#include <mutex>

using WaveClock = std::chrono::steady_clock;

// Decodes, opens, starts and closes whatever the player's requests need now, making the
// host's blocking calls outside the player's lock. Returns when it has to run again by
// itself (WaveClock::time_point::max(): only when woken). Defined by the wave player.
WaveClock::time_point WavePlayerServe();

// With the player's lock held: something changed that the sound thread or a synchronous
// play waits for. Starts the sound thread the first time; false when it cannot run.
bool WaveThreadWake(std::unique_lock<std::mutex>& lock);
// With the player's lock held: waits, letting the lock go meanwhile, until `done` holds.
void WaveThreadWait(std::unique_lock<std::mutex>& lock, const std::function<bool()>& done);
