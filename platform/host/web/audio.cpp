// The page's sound output on SDL's audio, through the browser's audio context. A page may
// start that context only in answer to a tap or a key (the page unlocks it at the first),
// and SDL closes it with the device, so the device, once open, stays open: closing it
// pauses it and suspends the context, so an idle page spends nothing on sound.
#include "host/audio.h"

#include <SDL.h>
#include <emscripten.h>

namespace {

// The browser's audio runs on the page's thread between its other work: larger buffers
// than the desktop's keep a busy page from breaking up the sound.
constexpr Uint16 BufferFrames = 1024;

SDL_AudioDeviceID device = 0;
HostAudioFeed deviceFeed = nullptr;

void Feed(void*, Uint8* stream, int length) {
  deviceFeed(reinterpret_cast<int16_t*>(stream), length / static_cast<int>(sizeof(int16_t)));
}

// clang-format off
EM_JS(void, SetContextRunning, (int running), {
  const context = Module.SDL2 && Module.SDL2.audioContext;
  if (!context) return;
  if (running && context.state === 'suspended') context.resume().catch(() => {});
  if (!running && context.state === 'running') context.suspend().catch(() => {});
});
// clang-format on

}  // namespace

bool HostAudioStart() { return SDL_WasInit(SDL_INIT_AUDIO) != 0 || SDL_InitSubSystem(SDL_INIT_AUDIO) == 0; }

bool HostAudioOpen(HostAudioFeed feed) {
  deviceFeed = feed;
  if (device == 0) {
    SDL_AudioSpec want;
    SDL_zero(want);
    want.freq = HostAudioRate;
    want.format = AUDIO_S16SYS;
    want.channels = 1;
    want.samples = BufferFrames;
    want.callback = Feed;
    device = SDL_OpenAudioDevice(nullptr, 0, &want, nullptr, 0);
    if (device == 0) return false;
  }
  SDL_PauseAudioDevice(device, 0);
  SetContextRunning(1);
  return true;
}

void HostAudioClose() {
  if (device == 0) return;
  SDL_PauseAudioDevice(device, 1);
  SetContextRunning(0);
}
