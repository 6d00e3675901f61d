// Wave files decoded by SDL into the output's format.
#include <SDL.h>

#include "host/audio.h"

bool HostAudioDecodeWave(const std::string& path, std::vector<int16_t>& samples) {
  samples.clear();
  SDL_AudioSpec format;
  Uint8* data = nullptr;
  Uint32 length = 0;
  if (path.empty() || SDL_LoadWAV(path.c_str(), &format, &data, &length) == nullptr) return false;
  SDL_AudioStream* stream =
      SDL_NewAudioStream(format.format, format.channels, format.freq, AUDIO_S16SYS, 1, HostAudioRate);
  bool converted = stream != nullptr && SDL_AudioStreamPut(stream, data, static_cast<int>(length)) == 0 &&
                   SDL_AudioStreamFlush(stream) == 0;
  if (converted) {
    samples.resize(static_cast<size_t>(SDL_AudioStreamAvailable(stream)) / sizeof(int16_t));
    const int got =
        SDL_AudioStreamGet(stream, samples.data(), static_cast<int>(samples.size() * sizeof(int16_t)));
    converted = got >= 0;
    samples.resize(converted ? static_cast<size_t>(got) / sizeof(int16_t) : 0);
  }
  if (stream != nullptr) SDL_FreeAudioStream(stream);
  SDL_FreeWAV(data);
  return converted;
}
