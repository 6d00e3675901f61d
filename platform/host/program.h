// The program the platform runs, as the desktop knows it: its name, which the program gives
// (EmulatorSetProgramName) and which names its settings folder, its names in the desktop
// session, its environment variables and its words on the terminal; and its file.
#pragma once

#include <string>

// The name given, else the program file's own name.
const std::string& HostProgramName();
// An environment variable of the program's own, named after it (EmulatorSetProgramName):
// NAME_SUFFIX. Null when unset.
const char* HostProgramVariable(const char* suffix);
// The program's file as the desktop names it ("" when it cannot be known), and its folder
// ("." then).
std::string HostProgramPath();
std::string HostProgramFolder();
