// The tests' entry: the display and sound are SDL's headless stand-ins, settings go to a
// temporary folder, and the game's pauses are off.
#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/emulator.h"
#include "tests/support/temp_folder.h"

int main(int argc, char** argv) {
  setenv("SDL_VIDEODRIVER", "dummy", 1);
  setenv("SDL_AUDIODRIVER", "dummy", 1);
  const std::string home = MakeTempFolder();
  setenv("HOME", home.c_str(), 1);
  setenv("XDG_CONFIG_HOME", home.c_str(), 1);
  EmulatorSetPauses(FALSE);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
