// Folders of the tests' own, so no test touches the user's files, and the environment every
// test program starts in.
#pragma once

#include <string>

// A new, empty folder under the system's temporary folder; removed with its files at exit.
std::string MakeTempFolder();

// The display and sound are SDL's headless stand-ins, HOME and the settings go to a
// temporary folder, and the game's pauses are off.
void UseTestEnvironment();
