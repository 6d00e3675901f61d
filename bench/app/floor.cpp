// The floor of the start-up benchmark: the least an SDL2 program does to show a window of
// the game's size painted once, then wait for events as the game does. It is no part of
// the game, so it may use SDL directly.
#include <SDL.h>

#include <cstdio>
#include <ctime>

int main() {
  // The game draws into the window's own surface the same way.
  SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  if (SDL_Init(SDL_INIT_VIDEO) != 0) return 1;
  SDL_Window* window = SDL_CreateWindow("Floor", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, 480, 640, 0);
  SDL_Surface* surface = window != nullptr ? SDL_GetWindowSurface(window) : nullptr;
  if (surface == nullptr) return 1;
  SDL_FillRect(surface, nullptr, SDL_MapRGB(surface->format, 24, 56, 120));
  SDL_UpdateWindowSurface(window);
  timespec now;
  clock_gettime(CLOCK_MONOTONIC, &now);
  std::fprintf(stderr, "first frame %lld\n", static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
  std::fflush(stderr);
  SDL_Event event;
  while (SDL_WaitEvent(&event) != 0)
    if (event.type == SDL_QUIT) break;
  SDL_Quit();
  return 0;
}
