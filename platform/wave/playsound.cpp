// The wave player: one sound at a time on the one output. A play or a stop only records the
// request and returns; the sound thread decodes the file (once: it keeps every file it
// decoded), opens the output device and starts the sound, and closes the device when
// nothing has played for a while, because an open device is fed even while silent and an
// idle program should use no processor time at all.
#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "host/audio.h"
#include "host/path.h"
#include "host/worker.h"
#include "platform/emulator.h"
#include "platform/mmsystem.h"

namespace {

using WaveClock = HostClock;

// Silent buffers fed after the last sample, so the device has played it before a
// synchronous play returns.
constexpr int TailFeeds = 2;
// A device that stops asking for samples must not keep a sound, and its waiter, for ever.
constexpr auto Overrun = std::chrono::seconds(2);

enum Outcome { Waiting, Playing, Ended, Failed };

// Lock order: the host's lock of its device, then `lock`; the feed takes only `lock`, and
// no host call is made while holding it.
struct Player {
  std::mutex lock;
  HostWorker* sound = nullptr;  // the sound thread, which serves the requests
  // The latest play or stop, and what became of it.
  uint64_t generation = 0;
  Outcome outcome = Ended;
  bool pending = false;  // `request` waits for the sound thread
  std::u16string request;
  // What the feed plays: a decoded file and the place in it.
  const std::vector<int16_t>* samples = nullptr;
  size_t position = 0;
  int tail = 0;
  WaveClock::time_point deadline;  // when a playing sound has overrun
  WaveClock::time_point quietSince;
  bool deviceOpen = false;
  WaveClock::time_point failedAt;
  bool failed = false;  // the sound system failed at failedAt
  WaveClock::duration linger = std::chrono::seconds(2);
  // After the sound system failed, plays fail at once for a while instead of each trying
  // it again (and each filling the terminal with its complaints).
  WaveClock::duration retryAfter = std::chrono::seconds(10);
  // The sound thread's alone: every file decoded so far, by its device path.
  std::map<std::u16string, std::vector<int16_t>> decoded;
};

WaveClock::time_point Serve();

// Never destroyed: the sound thread and the host's audio thread use it until the end.
Player& P() {
  static Player* player = [] {
    Player* made = new Player;
    made->sound = HostWorkerNew(Serve, "sound");
    return made;
  }();
  return *player;
}

// Under the lock.
void EndSound(Player& p, Outcome outcome) {
  p.samples = nullptr;
  p.outcome = outcome;
  p.quietSince = WaveClock::now();
}

bool FailedLately(const Player& p) { return p.failed && WaveClock::now() - p.failedAt < p.retryAfter; }

void Feed(int16_t* out, int count) {
  Player& p = P();
  size_t copied = 0;
  std::unique_lock<std::mutex> lock(p.lock);
  if (p.samples != nullptr) {
    copied = std::min(static_cast<size_t>(count), p.samples->size() - p.position);
    std::copy_n(p.samples->data() + p.position, copied, out);
    p.position += copied;
    if (copied == 0 && ++p.tail > TailFeeds) {
      EndSound(p, Ended);
      HostWorkerWake(p.sound, lock);
    }
  }
  std::fill(out + copied, out + count, int16_t{0});
}

// On the sound thread, outside the lock: the samples of a file, decoded on its first play.
const std::vector<int16_t>* Decoded(Player& p, const std::u16string& path) {
  auto known = p.decoded.find(path);
  if (known != p.decoded.end()) return &known->second;
  std::vector<int16_t> samples;
  if (!HostAudioDecodeWave(HostPath(path.c_str()), samples)) return nullptr;
  return &p.decoded.emplace(path, std::move(samples)).first->second;
}

// On the sound thread, outside the lock.
bool OpenDevice(Player& p) {
  {
    std::lock_guard<std::mutex> guard(p.lock);
    if (p.deviceOpen) return true;
    if (FailedLately(p)) return false;
  }
  const bool opened = HostAudioStart() && HostAudioOpen(Feed);
  std::lock_guard<std::mutex> guard(p.lock);
  p.deviceOpen = opened;
  p.failed = !opened;
  if (!opened) p.failedAt = WaveClock::now();
  return opened;
}

// Starts the latest request, unless a later play or stop came while it was being readied.
// The sound is in place before a closed device is opened, so the device's first samples are
// the sound's and not silence that would hold it back.
void StartRequest(Player& p, std::unique_lock<std::mutex>& lock) {
  const std::u16string path = std::move(p.request);
  p.pending = false;
  const uint64_t generation = p.generation;
  lock.unlock();
  const std::vector<int16_t>* samples = Decoded(p, path);
  lock.lock();
  if (p.generation != generation) return;
  if (samples == nullptr) {
    EndSound(p, Failed);
    HostWorkerWake(p.sound, lock);
    return;
  }
  p.samples = samples;
  p.position = 0;
  p.tail = 0;
  p.outcome = Playing;
  const auto length = std::chrono::milliseconds(samples->size() * 1000 / HostAudioRate);
  p.deadline = WaveClock::now() + length + Overrun;
  if (!p.deviceOpen) {
    lock.unlock();
    const bool opened = OpenDevice(p);
    lock.lock();
    if (p.generation != generation) return;
    if (!opened) EndSound(p, Failed);
    p.deadline = WaveClock::now() + length + Overrun;
  }
  HostWorkerWake(p.sound, lock);
}

// Records a play or a stop and cuts what plays; returns its generation. Under the lock.
uint64_t Request(Player& p, std::unique_lock<std::mutex>& lock, LPCWSTR path) {
  // As on the handheld: one sound at a time, so a box taken right after a line cuts the
  // line's sound short instead of sounding over it.
  ++p.generation;
  p.pending = path != nullptr && path[0] != 0;
  p.request = p.pending ? path : u"";
  EndSound(p, p.pending ? Waiting : path != nullptr ? Failed : Ended);
  if (!HostWorkerWake(p.sound, lock) && p.pending) {
    p.pending = false;
    EndSound(p, Failed);  // no thread, no sound
  }
  return p.generation;
}

// On the sound thread: decodes, opens, starts and closes whatever the requests need now,
// making the host's blocking calls outside the lock. Returns when it has to run again by
// itself (WaveClock::time_point::max(): only when woken).
WaveClock::time_point Serve() {
  Player& p = P();
  std::unique_lock<std::mutex> lock(p.lock);
  if (p.pending) {
    StartRequest(p, lock);
    return WaveClock::now();  // and look again: a later request may be waiting
  }
  const WaveClock::time_point now = WaveClock::now();
  if (p.outcome == Playing) {
    if (now < p.deadline) return p.deadline;
    EndSound(p, Ended);
    HostWorkerWake(p.sound, lock);
  }
  if (!p.deviceOpen) return WaveClock::time_point::max();
  if (now < p.quietSince + p.linger) return p.quietSince + p.linger;
  lock.unlock();
  HostAudioClose();
  lock.lock();
  p.deviceOpen = false;
  HostWorkerWake(p.sound, lock);
  return WaveClock::now();
}

}  // namespace

BOOL PlaySoundW(LPCWSTR sound, HMODULE, DWORD flags) {
  if (sound != nullptr && (flags & SND_FILENAME) == 0) return FALSE;  // files only: no resources or aliases
  Player& p = P();
  std::unique_lock<std::mutex> lock(p.lock);
  const uint64_t mine = Request(p, lock, sound);
  if (sound == nullptr) return TRUE;
  if ((flags & SND_ASYNC) != 0) return p.outcome == Failed || FailedLately(p) ? FALSE : TRUE;
  HostWorkerWait(p.sound, lock,
                 [&p, mine] { return p.generation != mine || p.outcome == Ended || p.outcome == Failed; });
  return p.generation == mine && p.outcome == Failed ? FALSE : TRUE;
}

void EmulatorSetSoundTimes(DWORD linger, DWORD retryAfter) {
  Player& p = P();
  std::unique_lock<std::mutex> lock(p.lock);
  p.linger = std::chrono::milliseconds(linger);
  p.retryAfter = std::chrono::milliseconds(retryAfter);
  HostWorkerWake(p.sound, lock);
}

BOOL EmulatorSoundPlaying() {
  Player& p = P();
  std::lock_guard<std::mutex> guard(p.lock);
  return p.outcome == Waiting || p.outcome == Playing ? TRUE : FALSE;
}

BOOL EmulatorSoundDeviceOpen() {
  Player& p = P();
  std::lock_guard<std::mutex> guard(p.lock);
  return p.deviceOpen ? TRUE : FALSE;
}
