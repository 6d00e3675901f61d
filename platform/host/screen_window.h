// Inside the host only: the desktop window itself.
#pragma once

struct SDL_Window;

// Null until the screen is open, and once the display went away.
SDL_Window* ScreenDesktopWindow();
