// A window manager's ping, for the program tests under Xvfb: sends _NET_WM_PING to a window
// and prints how many milliseconds passed until it answered (as a window manager waits
// before calling a window "not responding"); ends with 1 when no answer came in 10 s.
//   wm_ping WINDOW-ID
#include <X11/Xlib.h>
#include <sys/select.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
  Display* display = argc == 2 ? XOpenDisplay(nullptr) : nullptr;
  if (display == nullptr) return 2;
  const Window window = std::strtoul(argv[1], nullptr, 0), root = DefaultRootWindow(display);
  const Atom protocols = XInternAtom(display, "WM_PROTOCOLS", False);
  const long ping = static_cast<long>(XInternAtom(display, "_NET_WM_PING", False));
  constexpr long Stamp = 4242;
  // The answer goes to the root window, where a window manager hears it.
  XSelectInput(display, root, SubstructureNotifyMask | SubstructureRedirectMask);
  const long asked = static_cast<long>(window);  // the ping names the window it asks
  XEvent event{
      .xclient = {ClientMessage, 0, False, display, window, protocols, 32, {.l = {ping, Stamp, asked}}}};
  XSendEvent(display, window, False, NoEventMask, &event);
  XFlush(display);
  const auto start = std::chrono::steady_clock::now();
  const auto elapsed = [&start] {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
  };
  while (elapsed() < 10000) {
    while (XPending(display) > 0) {
      XEvent answer;
      XNextEvent(display, &answer);
      if (answer.type == ClientMessage && answer.xclient.message_type == protocols &&
          answer.xclient.data.l[0] == ping && answer.xclient.data.l[1] == Stamp) {
        std::printf("%.0f\n", elapsed());
        XCloseDisplay(display);
        return 0;
      }
    }
    fd_set readable;
    FD_ZERO(&readable);
    FD_SET(ConnectionNumber(display), &readable);
    timeval wait{0, 5000};
    select(ConnectionNumber(display) + 1, &readable, nullptr, nullptr, &wait);
  }
  XCloseDisplay(display);
  return 1;
}
