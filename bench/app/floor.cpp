// The floor of the start-up and tap benchmarks: the least an SDL2 program does to show a
// window of the game's size painted once, then wait for events as the game does, answering
// each click by painting a line's worth of pixels. It is no part of the game, so it may use
// SDL directly.
#include <SDL.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace {

void Report(const char* what) {
  timespec now;
  clock_gettime(CLOCK_MONOTONIC, &now);
  std::fprintf(stderr, "%s %lld\n", what, static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
  std::fflush(stderr);
}

}  // namespace

int main() {
  // The game draws into the window's own surface the same way.
  SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  if (SDL_Init(SDL_INIT_VIDEO) != 0) return 1;
  SDL_Window* window = SDL_CreateWindow("Floor", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, 480, 640, 0);
  SDL_Surface* surface = window != nullptr ? SDL_GetWindowSurface(window) : nullptr;
  if (surface == nullptr) return 1;
  SDL_FillRect(surface, nullptr, SDL_MapRGB(surface->format, 24, 56, 120));
  SDL_UpdateWindowSurface(window);
  Report("first frame");
  const bool frames = std::getenv("MARLIX_PENTRO_FRAMES") != nullptr;
  SDL_Event event;
  Uint8 shade = 0;
  while (SDL_WaitEvent(&event) != 0) {
    if (event.type == SDL_QUIT) break;
    if (event.type != SDL_MOUSEBUTTONDOWN) continue;
    // A line of the game's board is 62 x 14 pixels.
    SDL_Rect line{event.button.x, event.button.y, 62, 14};
    shade += 64;
    SDL_FillRect(surface, &line, SDL_MapRGB(surface->format, shade, 200, 40));
    SDL_UpdateWindowSurfaceRects(window, &line, 1);
    if (frames) Report("frame");
  }
  SDL_Quit();
  return 0;
}
