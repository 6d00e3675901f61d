// Inside the host only: a HostImage is an SDL surface.
#pragma once

#include <SDL.h>

#include "host/image.h"

constexpr Uint32 DeviceFormat = SDL_PIXELFORMAT_RGB888;

inline SDL_Surface* Surface(HostImage* image) { return reinterpret_cast<SDL_Surface*>(image); }
inline const SDL_Surface* Surface(const HostImage* image) {
  return reinterpret_cast<const SDL_Surface*>(image);
}
inline HostImage* Image(SDL_Surface* surface) { return reinterpret_cast<HostImage*>(surface); }
