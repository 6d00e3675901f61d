// The desktop's sound output on SDL's audio.
#include "host/audio.h"

#include <SDL.h>

namespace {

// Small buffers: a tap's sound reaches the speaker about 12 ms after it starts.
constexpr Uint16 BufferFrames = 512;

SDL_AudioDeviceID device = 0;
HostAudioFeed deviceFeed = nullptr;

void Feed(void*, Uint8* stream, int length) {
  deviceFeed(reinterpret_cast<int16_t*>(stream), length / static_cast<int>(sizeof(int16_t)));
}

}  // namespace

bool HostAudioStart() { return SDL_WasInit(SDL_INIT_AUDIO) != 0 || SDL_InitSubSystem(SDL_INIT_AUDIO) == 0; }

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
