// Who may call up into whom: every call that a layer of the platform makes into a layer
// above it is handed over here, once, as the program starts, and never changed after. A
// layer calls only the layers it stands on; where it must tell a higher one something, it
// calls through its own struct of upcalls (host/, kernel/, gdi/, user/ upcalls.h), filled in
// below before main() runs. The shell and the registry and wave player call nothing above.
//
// Not here, as they are no layer's: the program's own hooks, which it sets through
// platform/emulator.h and which go straight to the layer that calls them (the screen check
// and the page-hidden hook to the host, the message-box hook to the windows); and the calls
// handed down with a request, which serve that request alone (a window's procedure and a
// platform-drawn window's drawing, a thread's or worker's work, the sound feed, the fork
// handlers of the registry's writer, a call for the program's thread, the help viewer's
// report).
#include "gdi/upcalls.h"
#include "host/events.h"
#include "host/upcalls.h"
#include "kernel/upcalls.h"
#include "shell/menubar.h"
#include "shell/shell.h"
#include "user/input.h"
#include "user/msgbox.h"
#include "user/upcalls.h"
#include "user/window.h"

namespace {

bool Wire() {
  // The desktop, under everything: when the display is lost, the message queue closes the
  // program's window if the program was waiting for a message, which saves the game.
  HostAbove = HostUpcalls{CloseOnDisplayLost};
  // The kernel: pauses wait through the desktop, which serves its window meanwhile; the help
  // viewer's page that could not be shown is told in a message box.
  KernelAbove = KernelUpcalls{DesktopServeWhile, TellHelpNotShown};
  // The graphics: a window's device context asks the windows where the window lies, and
  // output to it shows through them, under the windows above it.
  GdiAbove = GdiUpcalls{WindowPlace, WindowOutputDone};
  // The windows: the shell's screen below its task bar, the task bar's title of the active
  // window, the menu bars' soft keys and the rotate key.
  UserAbove = UserUpcalls{ShellWorkArea, ShellActiveWindowChanged, ShellTakeSoftKey, ShellScreenTurned};
  return true;
}

// Before main(): the structs hold nothing but nulls until then, and no layer runs earlier.
[[maybe_unused]] const bool wired = Wire();

}  // namespace
