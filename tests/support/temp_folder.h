// Folders of the tests' own, so no test touches the user's files.
#pragma once

#include <string>

// A new, empty folder under the system's temporary folder; removed with its files at exit.
std::string MakeTempFolder();
