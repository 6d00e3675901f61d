// The wave player on SDL's audio: one sound at a time. The output device is opened when a
// sound starts and closed as soon as nothing plays, because SDL keeps feeding an open
// device even while it is paused; an idle program then uses no processor time at all.
#include <SDL.h>

#include <chrono>
#include <condition_variable>
#include <cstring>
#include <mutex>
#include <vector>

#include "platform/emulator.h"
#include "platform/hostpath.h"
#include "platform/mmsystem.h"
#include "platform/winbase.h"

namespace {

using Clock = std::chrono::steady_clock;

// Every file is converted to this one format, which SDL turns into the device's own.
constexpr int MixRate = 44100;
constexpr SDL_AudioFormat MixFormat = AUDIO_S16SYS;
constexpr Uint8 MixChannels = 1;
constexpr Uint16 MixBufferFrames = 1024;
constexpr size_t BytesPerSecond = MixRate * MixChannels * 2;
// Silent buffers fed after the last sample, so the device has played it before it closes.
constexpr int TailBuffers = 3;
// A device that stops asking for samples must not hold a waiting thread for ever.
constexpr auto Overrun = std::chrono::seconds(2);
// After a device failed to open, taps do not each wait for another attempt, and a machine
// without sound output does not hear from the sound system's complaints at every move.
constexpr auto RetryOpenAfter = std::chrono::seconds(60);

// Lock order: deviceLock, then SDL's lock of a device, then mixLock. The audio callback
// takes only mixLock, so no SDL device call is ever made while holding mixLock.
struct Player {
  std::mutex deviceLock;  // opening and closing the device
  std::mutex mixLock;     // everything below
  std::condition_variable changed;
  SDL_AudioDeviceID device = 0;  // written under both locks
  uintptr_t deviceToken = 0;     // the open device's callback argument; others mix silence
  uintptr_t tokens = 0;
  std::vector<Uint8> samples;
  size_t position = 0;
  int tail = 0;
  bool playing = false;
  uint64_t generation = 0;  // counts every start and stop, so a waiter knows it was cut
  Clock::time_point deadline;
  // Under deviceLock only.
  bool audioFailed = false;
  bool closerStarted = false;
  bool openFailed = false;
  Clock::time_point openFailedAt;
};

// Never destroyed: the closing thread waits on it until the process ends.
Player& Audio() {
  static Player* player = new Player;
  return *player;
}

void Mix(void* userdata, Uint8* stream, int length) {
  Player& p = Audio();
  size_t copied = 0;
  {
    std::lock_guard<std::mutex> mix(p.mixLock);
    if (p.playing && reinterpret_cast<uintptr_t>(userdata) == p.deviceToken) {
      copied = std::min(static_cast<size_t>(length), p.samples.size() - p.position);
      if (copied != 0) std::memcpy(stream, p.samples.data() + p.position, copied);
      p.position += copied;
      if (copied == 0 && ++p.tail > TailBuffers) {
        p.playing = false;
        p.changed.notify_all();
      }
    }
  }
  std::memset(stream + copied, 0, static_cast<size_t>(length) - copied);
}

void StopLocked(Player& p) {
  if (!p.playing) return;
  p.playing = false;
  ++p.generation;
  std::vector<Uint8>().swap(p.samples);
  p.changed.notify_all();
}

void Stop() {
  Player& p = Audio();
  std::lock_guard<std::mutex> mix(p.mixLock);
  StopLocked(p);
}

// Closes the device whenever nothing plays, and ends a sound that overran its time.
DWORD CloseWhenIdle(LPVOID) {
  Player& p = Audio();
  std::unique_lock<std::mutex> mix(p.mixLock);
  for (;;) {
    if (p.playing) {
      if (p.changed.wait_until(mix, p.deadline) == std::cv_status::timeout && p.playing &&
          Clock::now() >= p.deadline)
        StopLocked(p);
      continue;
    }
    if (p.device == 0) {
      p.changed.wait(mix);
      continue;
    }
    mix.unlock();
    {
      std::lock_guard<std::mutex> device(p.deviceLock);
      SDL_AudioDeviceID idle = 0;
      {
        std::lock_guard<std::mutex> again(p.mixLock);
        if (!p.playing) std::swap(idle, p.device);
        if (idle != 0) p.deviceToken = 0;
      }
      // Waits for SDL's audio thread, whose callback may still take mixLock.
      if (idle != 0) SDL_CloseAudioDevice(idle);
    }
    mix.lock();
  }
}

// Under deviceLock.
bool AudioReady(Player& p) {
  if (p.audioFailed) return false;
  if (SDL_WasInit(SDL_INIT_AUDIO) == 0 && SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
    p.audioFailed = true;  // no sound system on this machine: stay silent from now on
    return false;
  }
  if (!p.closerStarted) {
    HANDLE closer = CreateThread(nullptr, 0, CloseWhenIdle, nullptr, 0, nullptr);
    p.closerStarted = closer != nullptr;
    CloseHandle(closer);
  }
  return p.closerStarted;
}

// Under deviceLock.
bool OpenDevice(Player& p) {
  if (p.device != 0) return true;
  if (p.openFailed && Clock::now() - p.openFailedAt < RetryOpenAfter) return false;
  const uintptr_t token = ++p.tokens;
  SDL_AudioSpec want;
  SDL_zero(want);
  want.freq = MixRate;
  want.format = MixFormat;
  want.channels = MixChannels;
  want.samples = MixBufferFrames;
  want.callback = Mix;
  want.userdata = reinterpret_cast<void*>(token);
  const SDL_AudioDeviceID opened = SDL_OpenAudioDevice(nullptr, 0, &want, nullptr, 0);
  p.openFailed = opened == 0;
  if (p.openFailed) {
    p.openFailedAt = Clock::now();
    return false;
  }
  std::lock_guard<std::mutex> mix(p.mixLock);
  p.device = opened;
  p.deviceToken = token;
  return true;
}

// Any wave file SDL reads, converted to the mixing format.
bool LoadWave(LPCWSTR name, std::vector<Uint8>& samples) {
  const std::string path = HostPath(name);
  if (path.empty()) return false;
  SDL_AudioSpec format;
  Uint8* data = nullptr;
  Uint32 length = 0;
  if (SDL_LoadWAV(path.c_str(), &format, &data, &length) == nullptr) return false;
  SDL_AudioStream* stream =
      SDL_NewAudioStream(format.format, format.channels, format.freq, MixFormat, MixChannels, MixRate);
  bool converted = stream != nullptr && SDL_AudioStreamPut(stream, data, static_cast<int>(length)) == 0 &&
                   SDL_AudioStreamFlush(stream) == 0;
  if (converted) {
    samples.resize(static_cast<size_t>(SDL_AudioStreamAvailable(stream)));
    const int got = SDL_AudioStreamGet(stream, samples.data(), static_cast<int>(samples.size()));
    converted = got >= 0;
    samples.resize(converted ? static_cast<size_t>(got) : 0);
  }
  if (stream != nullptr) SDL_FreeAudioStream(stream);
  SDL_FreeWAV(data);
  return converted;
}

BOOL Start(LPCWSTR name, bool wait) {
  Player& p = Audio();
  {
    std::lock_guard<std::mutex> device(p.deviceLock);
    if (!AudioReady(p)) return FALSE;
  }
  std::vector<Uint8> samples;
  const bool loaded = LoadWave(name, samples);
  std::unique_lock<std::mutex> device(p.deviceLock);
  if (!loaded || !OpenDevice(p)) {
    Stop();  // a new play cuts the old one even when it cannot play itself
    return FALSE;
  }
  uint64_t mine;
  {
    std::lock_guard<std::mutex> mix(p.mixLock);
    const auto duration = std::chrono::milliseconds(samples.size() * 1000 / BytesPerSecond);
    p.samples = std::move(samples);
    p.position = 0;
    p.tail = 0;
    p.playing = true;
    p.deadline = Clock::now() + duration + Overrun;
    mine = ++p.generation;
    p.changed.notify_all();
  }
  SDL_PauseAudioDevice(p.device, 0);
  device.unlock();
  if (wait) {
    std::unique_lock<std::mutex> mix(p.mixLock);
    p.changed.wait(mix, [&] { return p.generation != mine || !p.playing; });
  }
  return TRUE;
}

}  // namespace

BOOL PlaySoundW(LPCWSTR sound, HMODULE, DWORD flags) {
  if (sound == nullptr) {
    Stop();
    return TRUE;
  }
  if ((flags & SND_FILENAME) == 0) return FALSE;  // files only: no sound resources or aliases
  return Start(sound, (flags & SND_ASYNC) == 0);
}

BOOL EmulatorSoundPlaying() {
  Player& p = Audio();
  std::lock_guard<std::mutex> mix(p.mixLock);
  return p.playing ? TRUE : FALSE;
}

BOOL EmulatorSoundDeviceOpen() {
  Player& p = Audio();
  std::lock_guard<std::mutex> mix(p.mixLock);
  return p.device != 0 ? TRUE : FALSE;
}
