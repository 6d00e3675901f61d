// The desktop's sound output on SDL's audio.
#include "host/audio.h"

#include <SDL.h>
#include <dlfcn.h>

#include <cstdio>

namespace {

// Small buffers: a tap's sound reaches the speaker about 12 ms after it starts.
constexpr Uint16 BufferFrames = 512;

SDL_AudioDeviceID device = 0;
HostAudioFeed deviceFeed = nullptr;

void Feed(void*, Uint8* stream, int length) {
  deviceFeed(reinterpret_cast<int16_t*>(stream), length / static_cast<int>(sizeof(int16_t)));
}

// ALSA, which SDL falls back on without a sound server, writes eight lines of its own to
// standard error when there is no sound card; the game says it in one (below). The library
// is the one SDL loads, so its handler is set before SDL looks for a card.
void AlsaSays(const char*, int, const char*, int, const char*, ...) {}

void QuietenAlsa() {
  static bool done = false;
  if (done) return;
  done = true;
  void* alsa = dlopen("libasound.so.2", RTLD_LAZY);  // kept for the rest of the run
  if (alsa == nullptr) return;
  using Handler = void (*)(const char*, int, const char*, int, const char*, ...);
  if (auto set = reinterpret_cast<int (*)(Handler)>(dlsym(alsa, "snd_lib_error_set_handler"))) set(AlsaSays);
}

// Once a run at most: the game goes on without sound.
void SayNoSound() {
  static bool said = false;
  if (said) return;
  said = true;
  std::fprintf(stderr, "marlix-pentro: no sound: %s\n", SDL_GetError());
}

}  // namespace

bool HostAudioStart() {
  if (SDL_WasInit(SDL_INIT_AUDIO) != 0) return true;
  QuietenAlsa();
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) == 0) return true;
  SayNoSound();
  return false;
}

bool HostAudioOpen(HostAudioFeed feed) {
  if (device != 0) return true;
  SDL_AudioSpec want;
  SDL_zero(want);
  want.freq = HostAudioRate;
  want.format = AUDIO_S16SYS;
  want.channels = 1;
  want.samples = BufferFrames;
  want.callback = Feed;
  deviceFeed = feed;
  device = SDL_OpenAudioDevice(nullptr, 0, &want, nullptr, 0);
  if (device == 0) {
    SayNoSound();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return false;
  }
  SDL_PauseAudioDevice(device, 0);
  return true;
}

void HostAudioClose() {
  if (device != 0) SDL_CloseAudioDevice(device);
  device = 0;
}
