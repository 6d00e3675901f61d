// The keys the device has: letters, digits, Enter, Escape, Space, Backspace, Tab, the arrows,
// F1 (help), F2 (turning the screen), F9 and F10 (the soft keys), the Menu key; and F11,
// which only the desktop window takes.
#include "host/keys.h"

#include <SDL.h>

#include "platform/winuser.h"

int VirtualKeyOf(int32_t key) {
  if (key >= SDLK_a && key <= SDLK_z) return 'A' + (key - SDLK_a);
  if (key >= SDLK_0 && key <= SDLK_9) return '0' + (key - SDLK_0);
  switch (key) {
    case SDLK_RETURN:
    case SDLK_KP_ENTER: return VK_RETURN;
    case SDLK_ESCAPE: return VK_ESCAPE;
    case SDLK_SPACE: return VK_SPACE;
    case SDLK_BACKSPACE: return VK_BACK;
    case SDLK_TAB: return VK_TAB;
    case SDLK_LEFT: return VK_LEFT;
    case SDLK_RIGHT: return VK_RIGHT;
    case SDLK_UP: return VK_UP;
    case SDLK_DOWN: return VK_DOWN;
    case SDLK_F1: return VK_F1;
    case SDLK_F2: return VK_F2;
    case SDLK_F9: return VK_F9;
    case SDLK_F10: return VK_F10;
    case SDLK_APPLICATION: return VK_APPS;
    default: return 0;
  }
}

int32_t DesktopKeyOf(int virtualKey) {
  if (virtualKey >= 'A' && virtualKey <= 'Z') return SDLK_a + (virtualKey - 'A');
  if (virtualKey >= '0' && virtualKey <= '9') return SDLK_0 + (virtualKey - '0');
  switch (virtualKey) {
    case VK_RETURN: return SDLK_RETURN;
    case VK_ESCAPE: return SDLK_ESCAPE;
    case VK_SPACE: return SDLK_SPACE;
    case VK_BACK: return SDLK_BACKSPACE;
    case VK_TAB: return SDLK_TAB;
    case VK_LEFT: return SDLK_LEFT;
    case VK_RIGHT: return SDLK_RIGHT;
    case VK_UP: return SDLK_UP;
    case VK_DOWN: return SDLK_DOWN;
    case VK_F1: return SDLK_F1;
    case VK_F2: return SDLK_F2;
    case VK_F9: return SDLK_F9;
    case VK_F10: return SDLK_F10;
    case VK_F11: return SDLK_F11;
    case VK_APPS: return SDLK_APPLICATION;
    default: return SDLK_UNKNOWN;
  }
}
