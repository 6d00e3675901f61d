// The program's file on a web page: the page's file system holds the program at its root,
// with res/ beside it.
#include "host/program.h"

std::string HostProgramPath() { return "/program"; }

std::string HostProgramFolder() { return ""; }
