// Documents shown by the desktop's own viewer.
#pragma once

#include <string>

// Opens the document at a desktop path with the desktop's viewer (xdg-open), as a process of
// its own; returns its process id, or 0 when it could not start. When the viewer cannot show
// the page (no xdg-open, or no browser behind it) `notShown` hears of it with the path, on
// any thread.
int HostOpenDocument(const std::string& path, void (*notShown)(const std::string& path));
