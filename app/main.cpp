// The desktop program: --version prints the version and ends before anything starts; without
// a display it ends at once, saying what to set; otherwise the device starts its shell, loads
// the program with its resources and runs its entry. Other arguments are ignored, as the
// handheld's program had no command line.
#include <cstdio>
#include <cstring>

#include "app/app.h"
#include "app/resource.h"
#include "platform/emulator.h"
#include "platform/winuser.h"

int main(int argc, char** argv) {
  if (argc > 1 && std::strcmp(argv[1], "--version") == 0) {
    std::printf("marlix-pentro %s\n", MARLIX_PENTRO_VERSION);
    return std::fflush(stdout) == 0 && !std::ferror(stdout) ? 0 : 1;
  }
  EmulatorSetProgramName(u"marlix-pentro");
  EmulatorSetScreenCheck(CanShowScreen);
  EmulatorSetPageHiddenHook(SaveBeforeStop);
  if (!EmulatorOpenDesktop()) return 1;
  EmulatorStartShell();
  static WCHAR commandLine[] = u"";
  return WinMain(EmulatorLoadModule(ProgramResources, ProgramResourceCount), nullptr, commandLine, SW_SHOW);
}
