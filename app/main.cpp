// The desktop program: without a display it ends at once, saying what to set; otherwise the
// device starts its shell, loads the program with its resources and runs its entry. There
// is no command line.
#include "app/app.h"
#include "app/resource.h"
#include "platform/emulator.h"
#include "platform/winuser.h"

int main() {
  EmulatorSetProgramName(u"marlix-pentro");
  EmulatorSetScreenCheck(CanShowScreen);
  EmulatorSetPageHiddenHook(SaveBeforeStop);
  if (!EmulatorOpenDesktop()) return 1;
  EmulatorStartShell();
  static WCHAR commandLine[] = u"";
  return WinMain(EmulatorLoadModule(ProgramResources, ProgramResourceCount), nullptr, commandLine, SW_SHOW);
}
