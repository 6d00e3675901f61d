// A window manager's close button, for the program tests under Xvfb: sends WM_DELETE_WINDOW
// to a window, as a window manager does when its close button is pressed.
//   wm_close WINDOW-ID
#include <X11/Xlib.h>

#include <cstdlib>

int main(int argc, char** argv) {
  Display* display = argc == 2 ? XOpenDisplay(nullptr) : nullptr;
  if (display == nullptr) return 2;
  const Window window = std::strtoul(argv[1], nullptr, 0);
  const Atom protocols = XInternAtom(display, "WM_PROTOCOLS", False);
  const long close = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
  XEvent event{
      .xclient = {ClientMessage, 0, False, display, window, protocols, 32, {.l = {close, CurrentTime}}}};
  XSendEvent(display, window, False, NoEventMask, &event);
  XSync(display, False);
  XCloseDisplay(display);
  return 0;
}
